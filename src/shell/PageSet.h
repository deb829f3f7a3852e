#pragma once

#include <array>

class QWidget;

namespace kitbench {

class WizardPage;
class IntroductionPage;
class LoginPage;
class ProjectPage;
class ImportOptionPage;
class ListImportOptionPage;
class DocumentsPage;
class FinalPage;

// The 22 pages of the wizard, by step, and the ones the window itself reads.
struct PageSet
{
    std::array<WizardPage*, 22> all{};
    IntroductionPage* intro = nullptr;
    LoginPage* login = nullptr;
    ProjectPage* project = nullptr;
    ImportOptionPage* importOption = nullptr;
    ListImportOptionPage* listImportOption = nullptr;
    DocumentsPage* documents = nullptr;
    FinalPage* final = nullptr;
};

PageSet createPages(QWidget* parent);

// The pictures of the option pages and the small button pictures, from the resources.
void placePageArtwork(const PageSet& pages);

} // namespace kitbench
