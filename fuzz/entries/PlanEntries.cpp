// MS Project XML: plan files picked for import and the plans the export writes and reads back.
#include "KitbenchEntries.h"

#include "msproject/MsProjectDocumentBuilder.h"
#include "msproject/PlanFile.h"
#include "platform/msproject/PlanModel.h"
#include "platform/msproject/RecordingMsProject.h"

#include <pugixml.hpp>

using namespace kitbench;

void fuzzPlanXml(const std::uint8_t* data, std::size_t size)
{
    const QString xml = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<PlanFile> file = PlanFile::fromText(xml);

    if (const std::optional<PlanModel> plan = PlanModel::fromXml(xml)) {
        // What the model writes it must read back unchanged, or a saved plan drifts on every round.
        const QString written = plan->toXml();
        const std::optional<PlanModel> reread = PlanModel::fromXml(written);
        fuzzCheck(reread.has_value(), "a written plan reads back");
        fuzzCheck(reread->toXml() == written, "a written plan reads back as the same plan");
    }

    // Older MS Project releases get the plan built element by element.
    pugi::xml_document document;
    const QByteArray utf8 = xml.toUtf8();
    const bool loaded = document.load_buffer(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    fuzzCheck(loaded == file.has_value(), "a plan file is accepted exactly when it is well-formed");
    if (loaded) {
        RecordingMsProject application(QStringLiteral("9.0"));
        MsProjectDocumentBuilder(application).SetMSProjectCurrentDocFromXml35(document);
    }
}
