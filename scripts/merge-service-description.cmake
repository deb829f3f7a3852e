# Adds the service description of the Orvello web service to one language pack, as texts 9001, 9002
# and 9003, so that the wizard can build its SOAP client without asking the server for it.
#
#   cmake -DWSDL=resources/wsdl/OrvProject.wsdl -DPACK=resources/lang/KitbenchRes45en.ts
#         -DOUTPUT=build/resources/lang/KitbenchRes45en.ts -P scripts/merge-service-description.cmake
#
# The service addresses (soap:address and soap12:address) become the placeholder
# "<%=OrvProjectWSDLURL%>", which the wizard replaces with the address it derives from the login.
# The text is cut at line ends into three pieces; the placeholder must lie in the last one, the only
# piece the wizard searches. The translators' pack is left untouched: the merged copy goes to OUTPUT.
# Only string operations are used (no lists), so the ";" of entities cannot split anything.

foreach(required WSDL PACK OUTPUT)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "merge-service-description: -D${required}=... is missing")
    endif()
endforeach()

set(placeholder "<%=OrvProjectWSDLURL%>")
file(READ "${WSDL}" wsdl)
file(READ "${PACK}" pack)

# The prefixes bound to the SOAP 1.1 and SOAP 1.2 binding namespaces of WSDL.
string(REGEX MATCHALL "xmlns:[A-Za-z0-9_.-]+=\"http://schemas.xmlsoap.org/wsdl/soap(12)?/\"" declarations "${wsdl}")
foreach(declaration IN LISTS declarations)
    string(REGEX REPLACE "^xmlns:([^=]+)=.*$" "\\1" prefix "${declaration}")
    string(REGEX REPLACE "(<${prefix}:address[^>]*[ \t\r\n]location=\")[^\"]*\"" "\\1${placeholder}\""
        wsdl "${wsdl}")
endforeach()
string(FIND "${wsdl}" "${placeholder}" first_placeholder)
if(first_placeholder LESS 0)
    message(FATAL_ERROR "merge-service-description: ${WSDL} has no soap:address location")
endif()

# Cut points near a third and two thirds, each just after a line end and never past the start of
# the line that holds the first placeholder.
string(LENGTH "${wsdl}" total)
string(SUBSTRING "${wsdl}" 0 ${first_placeholder} head)
string(FIND "${head}" "\n" last_line_end REVERSE)
math(EXPR latest_cut "${last_line_end} + 1")
set(cuts "")
foreach(share 1 2)
    math(EXPR target "${total} * ${share} / 3")
    string(SUBSTRING "${wsdl}" ${target} -1 rest)
    string(FIND "${rest}" "\n" offset)
    if(offset LESS 0)
        set(cut ${total})
    else()
        math(EXPR cut "${target} + ${offset} + 1")
    endif()
    if(cut GREATER latest_cut)
        set(cut ${latest_cut})
    endif()
    set(cut_${share} ${cut})
endforeach()
if(cut_1 GREATER cut_2)
    set(cut_1 ${cut_2})
endif()
math(EXPR length_1 "${cut_1}")
math(EXPR length_2 "${cut_2} - ${cut_1}")
string(SUBSTRING "${wsdl}" 0 ${length_1} piece_1)
string(SUBSTRING "${wsdl}" ${cut_1} ${length_2} piece_2)
string(SUBSTRING "${wsdl}" ${cut_2} -1 piece_3)

set(messages "")
foreach(piece 1 2 3)
    set(text "${piece_${piece}}")
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    string(REPLACE "\r" "&#xd;" text "${text}")
    math(EXPR id "9000 + ${piece}")
    string(APPEND messages
        "    <message id=\"T${id}\">\n"
        "        <source>${text}</source>\n"
        "        <extracomment>not shown: service description, piece ${piece} of 3, generated from OrvProject.wsdl</extracomment>\n"
        "        <translation>${text}</translation>\n"
        "    </message>\n")
endforeach()

# Into the context without name, where every text id lives.
string(FIND "${pack}" "<name></name>" context_start)
if(context_start LESS 0)
    message(FATAL_ERROR "merge-service-description: ${PACK} has no context without name")
endif()
string(SUBSTRING "${pack}" ${context_start} -1 context)
string(FIND "${context}" "</context>" context_end)
if(context_end LESS 0)
    message(FATAL_ERROR "merge-service-description: ${PACK} is not a complete language pack")
endif()
math(EXPR insert_at "${context_start} + ${context_end}")
string(SUBSTRING "${pack}" 0 ${insert_at} before)
string(SUBSTRING "${pack}" ${insert_at} -1 after)
if(before MATCHES "id=\"T900[123]\"")
    message(FATAL_ERROR "merge-service-description: ${PACK} already has texts 9001-9003; they come from ${WSDL}")
endif()
file(WRITE "${OUTPUT}" "${before}${messages}${after}")
