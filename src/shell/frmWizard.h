#pragma once

#include "platform/HelpSystem.h"
#include "platform/SecretStore.h"
#include "platform/SettingsStore.h"
#include "session/SoapProgressSink.h"
#include "session/SoapSession.h"
#include "shell/JobHooks.h"
#include "shell/PageSet.h"
#include "shell/WizardState.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kitbench {

struct CommandLineRequest;
class DesktopShell;
class PageStackLayout;
class WizardPage;

// The wizard window: owns the pages, the state of the session and the services, and moves between
// the pages. The jobs' server work lives behind JobHooks.
class frmWizard : public QWidget, public SoapProgressSink
{
    Q_OBJECT
public:
    explicit frmWizard(QWidget* parent = nullptr);
    ~frmWizard() override;

    // The start-up sequence: texts, command line, stored connection, first page.
    void Form_Load(const CommandLineRequest& request);

    WizardState& state() { return m_state; }
    const WizardState& state() const { return m_state; }
    WizardPage* page(int step) const;
    QProgressBar* progressBar() const { return ProgressBar; }
    void setJobHooks(std::unique_ptr<JobHooks> hooks) { m_hooks = std::move(hooks); }
    void setDesktopShell(std::unique_ptr<DesktopShell> shell);
    DesktopShell& desktopShell() const { return *m_shell; }
    SoapSession& session() { return m_session; }
    LoginPage* loginPage() const { return m_pages.login; }
    SettingsStore& settings() { return m_settings; }

    // The progress bar that server calls advance.
    bool progressVisible() const override;
    int progressValue() const override;
    void setProgressValue(int value) override;

    void ShowStep(int step, int direction);
    void SetStep(int step);
    void SetWindowTitle();
    // The page lock of a page: freezes its inputs and Back/Next while its server work runs.
    void LockPage(int step, bool busy);
    void cmdNav_Click(int index);
    // What Cancel confirmed with Yes does while server work runs: a running transfer is stopped, else
    // the running call stops at its next step.
    void cancelRunningWork();

    // Files given on the command line or added later, for the documents page.
    void addPublishedFile(const QString& path);

Q_SIGNALS:
    // A page has been entered (the end of ShowStep).
    void pageEntered(int step);
    void busyChanged(bool busy);
    // Finish was pressed on the final page (after its action ran).
    void finishPressed();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void addPublishedPaths(const QStringList& paths);
    void restoreConnection(const CommandLineRequest& request);
    void saveConnection();
    void restorePlacement();
    void savePlacement();
    void focusFirstField();
    void focusField(QWidget* field);

    void onNext();
    void nextFrom(int step);
    void onBack();
    void onCancel();
    void onFinish();
    void onHelp();
    void connectAndStart();
    void afterObjectCreated();
    void moveOnAfter(StepResult result, int target);
    void unload();

    WizardState m_state;
    SoapSession m_session{&m_state.CancelRequested};
    SettingsStore m_settings;
    std::unique_ptr<SecretStore> m_secrets;
    HelpSystem m_help;
    std::unique_ptr<JobHooks> m_hooks;
    std::unique_ptr<DesktopShell> m_shell;
    bool m_unloading = false;
    QPointer<QWidget> m_focusField; // the field that takes the focus when the window is activated
    bool m_remembersPlacement = false;
    bool m_closeAfterCall = false; // the window was closed during a call: close when it returns

    PageStackLayout* m_stack = nullptr;
    PageSet m_pages;

public:
    QWidget* picNav = nullptr;
    std::array<QPushButton*, 5> cmdNav{};
    QProgressBar* ProgressBar = nullptr;
    QLabel* lblStep_1 = nullptr;
    QLabel* Label5 = nullptr;
};

} // namespace kitbench
