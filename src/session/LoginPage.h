#pragma once

#include "shell/WizardPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kitbench {

struct ConnectionValues;
struct SoapLogin;

// Page 1, "Connect to Server": login, password, secure connection and proxy settings.
class LoginPage : public WizardPage
{
    Q_OBJECT
public:
    explicit LoginPage(QWidget* parent = nullptr);

    QWidget* firstField() const override;
    // LockLoginPage: freezes the page while connecting; unlocking replays the proxy click logic so
    // the proxy controls end in the state their settings call for.
    void setLocked(bool busy) override;

    ConnectionValues values() const;
    // The login and proxy settings the SOAP client is built with.
    SoapLogin soapLogin() const;
    // Puts restored values on the page and runs the click logic of the proxy controls.
    void setValues(const ConnectionValues& values);

    void CheckProxy_Click();
    void OptionFromBrowser_Click();
    void OptionProxy_Click();

    QLabel* ImageStep2;
    QLabel* Label1_1;
    QLabel* lblConnectHint;
    QLabel* LabelLogin;
    QLineEdit* TextLogin;
    QLabel* LabelPassword;
    QLineEdit* TextPassword;
    QCheckBox* SavePasswordCheck;
    QCheckBox* CheckUseSSL;
    QCheckBox* CheckProxy;
    QRadioButton* OptionFromBrowser;
    QRadioButton* OptionProxy;
    QLabel* LabelPrServer;
    QLineEdit* TextPrServer;
    QLabel* LabelPrUser;
    QLineEdit* TextPrUser;
    QLabel* LabelPrPassword;
    QLineEdit* TextPrPassword;

private:
    void setProxyBoxesEnabled(bool enabled);
};

} // namespace kitbench
