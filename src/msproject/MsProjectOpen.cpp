#include "msproject/MsProjectOpen.h"

#include "msproject/MsProjectDocumentBuilder.h"
#include "platform/Message.h"

#include <pugixml.hpp>

#include <exception>
#include <sstream>

namespace kitbench {

bool OpenXmlInMsProject(const QString& xml, MsProjectAutomation& automation,
                        const MsProjectAutomation::DocumentOpener& open)
{
    const std::unique_ptr<MsProjectApplication> application = automation.createApplication(open);
    if (!application) {
        showMessage(5055);
        return false;
    }
    try {
        pugi::xml_document document;
        const QByteArray utf8 = xml.toUtf8();
        if (!document.load_buffer(utf8.constData(), static_cast<size_t>(utf8.size()), pugi::parse_default,
                                  pugi::encoding_utf8))
            throw MsProjectRefused("The plan is not well-formed XML.");
        if (msProjectMajorVersion(application->version()) <= 9) {
            MsProjectDocumentBuilder(*application).SetMSProjectCurrentDocFromXml35(document);
        } else {
            std::ostringstream out;
            document.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
            application->OpenXML(QString::fromStdString(out.str()));
        }
        application->AppRestore();
    } catch (const std::exception&) {
        try {
            application->Quit(0);
        } catch (const std::exception&) {
        }
    }
    return true;
}

} // namespace kitbench
