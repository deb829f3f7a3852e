# Turns the WSDL file into a C++ source holding its bytes (run at build time with -DINPUT= -DOUTPUT=).
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from OrvProject.wsdl; do not edit.\n#include \"soap/EmbeddedWsdl.h\"\n\n"
    "namespace orvdev {\nnamespace {\nconst unsigned char wsdlBytes[] = {\n${bytes}0x00};\n}\n\n"
    "std::string_view embeddedWsdl()\n{\n    return {reinterpret_cast<const char *>(wsdlBytes), ${byte_count}};\n}\n} // namespace orvdev\n")
