#include "session/LoginPage.h"

#include "session/SoapSession.h"
#include "shell/Artwork.h"
#include "shell/ConnectionSettings.h"
#include "shell/Controls.h"
#include "shell/FieldFocus.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kitbench {

namespace {

// An enabled box has the window background, a disabled one the button face, as the user knows it
// from every other dialog of the desktop.
void setBoxEnabled(QLineEdit* box, bool enabled)
{
    box->setEnabled(enabled);
    QPalette palette = box->palette();
    const QPalette system;
    const QColor background = enabled ? system.color(QPalette::Active, QPalette::Base)
                                      : system.color(QPalette::Active, QPalette::Button);
    palette.setColor(QPalette::Active, QPalette::Base, background);
    palette.setColor(QPalette::Inactive, QPalette::Base, background);
    palette.setColor(QPalette::Disabled, QPalette::Base, background);
    box->setPalette(palette);
}

} // namespace

LoginPage::LoginPage(QWidget* parent) : WizardPage(1, 2002, QStringLiteral("Step 1 Connect to Server"), parent)
{
    ImageStep2 = makeControl<QLabel>(this, "ImageStep2");
    ImageStep2->setPixmap(bitmapResource(5007, QSize(160, 300)));
    ImageStep2->setAlignment(Qt::AlignTop);
    Label1_1 = makeHeading(this, "Label1_1", 1201, QStringLiteral("Connect to Server"));
    lblConnectHint = makeLabel(this, "lblConnectHint", 1101, QStringLiteral("Enter your login and password."));
    LabelLogin = makeLabel(this, "LabelLogin", 1102, QStringLiteral("Login"));
    TextLogin = makeControl<QLineEdit>(this, "TextLogin");
    LabelPassword = makeLabel(this, "LabelPassword", 1103, QStringLiteral("Password"));
    TextPassword = makeControl<QLineEdit>(this, "TextPassword");
    TextPassword->setEchoMode(QLineEdit::Password);
    SavePasswordCheck = makeControl<QCheckBox>(this, "SavePasswordCheck", 1111, QStringLiteral("Save Password"));
    CheckUseSSL = makeControl<QCheckBox>(this, "CheckUseSSL", 1110, QStringLiteral("Use Secure Connection (SSL). "));
    CheckProxy = makeControl<QCheckBox>(this, "CheckProxy", 1104, QStringLiteral("Use Proxy"));
    OptionFromBrowser = makeControl<QRadioButton>(this, "OptionFromBrowser", 1105,
                                                  QStringLiteral("Get proxy settings from Web Browser"));
    OptionProxy = makeControl<QRadioButton>(this, "OptionProxy", 1106, QStringLiteral("Proxy"));
    OptionFromBrowser->setChecked(true);
    LabelPrServer = makeLabel(this, "LabelPrServer", 1107, QStringLiteral("Server"));
    TextPrServer = makeControl<QLineEdit>(this, "TextPrServer");
    LabelPrUser = makeLabel(this, "LabelPrUser", 1108, QStringLiteral("User"));
    TextPrUser = makeControl<QLineEdit>(this, "TextPrUser");
    LabelPrPassword = makeLabel(this, "LabelPrPassword", 1109, QStringLiteral("Password"));
    TextPrPassword = makeControl<QLineEdit>(this, "TextPrPassword");
    TextPrPassword->setEchoMode(QLineEdit::Password);

    // Each caption is its field's buddy: screen readers name the field by it, Alt and its key go there.
    LabelLogin->setBuddy(TextLogin);
    LabelPassword->setBuddy(TextPassword);
    LabelPrServer->setBuddy(TextPrServer);
    LabelPrUser->setBuddy(TextPrUser);
    LabelPrPassword->setBuddy(TextPrPassword);

    auto* fields = new QGridLayout;
    fields->addWidget(LabelLogin, 0, 0);
    fields->addWidget(TextLogin, 0, 1);
    fields->addWidget(LabelPassword, 1, 0);
    fields->addWidget(TextPassword, 1, 1);
    fields->addWidget(SavePasswordCheck, 2, 1);
    fields->addWidget(CheckUseSSL, 3, 1);
    fields->addWidget(CheckProxy, 4, 0, 1, 2);
    fields->addWidget(OptionFromBrowser, 5, 0, 1, 2);
    fields->addWidget(OptionProxy, 6, 0, 1, 2);
    fields->addWidget(LabelPrServer, 7, 0);
    fields->addWidget(TextPrServer, 7, 1);
    fields->addWidget(LabelPrUser, 8, 0);
    fields->addWidget(TextPrUser, 8, 1);
    fields->addWidget(LabelPrPassword, 9, 0);
    fields->addWidget(TextPrPassword, 9, 1);
    fields->setColumnStretch(1, 1);

    auto* column = new QVBoxLayout;
    column->addWidget(Label1_1);
    column->addWidget(lblConnectHint);
    column->addLayout(fields);
    column->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(ImageStep2, 0, 0);
    layout->addLayout(column, 0, 1);
    layout->setColumnStretch(1, 1);

    // Enter in the login box moves on to the password; in the password box it is the window's Next.
    keepEnterKey(TextLogin);
    connect(TextLogin, &QLineEdit::returnPressed, this, [this] { TextPassword->setFocus(); });
    connect(CheckProxy, &QCheckBox::clicked, this, &LoginPage::CheckProxy_Click);
    connect(OptionFromBrowser, &QRadioButton::clicked, this, &LoginPage::OptionFromBrowser_Click);
    connect(OptionProxy, &QRadioButton::clicked, this, &LoginPage::OptionProxy_Click);
    CheckProxy_Click();
}

QWidget* LoginPage::firstField() const
{
    return TextLogin->text().isEmpty() ? TextLogin : TextPassword;
}

void LoginPage::setProxyBoxesEnabled(bool enabled)
{
    for (QLineEdit* box : {TextPrServer, TextPrUser, TextPrPassword})
        setBoxEnabled(box, enabled);
    for (QLabel* label : {LabelPrServer, LabelPrUser, LabelPrPassword})
        label->setEnabled(enabled);
}

void LoginPage::CheckProxy_Click()
{
    const Qt::CheckState state = CheckProxy->checkState();
    if (state == Qt::PartiallyChecked)
        return;
    const bool useProxy = state == Qt::Checked;
    OptionFromBrowser->setEnabled(useProxy);
    OptionProxy->setEnabled(useProxy);
    setProxyBoxesEnabled(useProxy && OptionProxy->isChecked());
}

void LoginPage::OptionFromBrowser_Click()
{
    setProxyBoxesEnabled(OptionProxy->isChecked());
}

void LoginPage::OptionProxy_Click()
{
    setProxyBoxesEnabled(OptionProxy->isChecked());
}

void LoginPage::setLocked(bool busy)
{
    if (busy) {
        for (QWidget* control : {static_cast<QWidget*>(CheckProxy), static_cast<QWidget*>(OptionFromBrowser),
                                 static_cast<QWidget*>(OptionProxy), static_cast<QWidget*>(LabelPrServer),
                                 static_cast<QWidget*>(LabelPrUser), static_cast<QWidget*>(LabelPrPassword),
                                 static_cast<QWidget*>(SavePasswordCheck), static_cast<QWidget*>(CheckUseSSL)})
            control->setEnabled(false);
        for (QLineEdit* box : {TextLogin, TextPassword, TextPrServer, TextPrUser, TextPrPassword})
            setBoxEnabled(box, false);
        return;
    }
    CheckProxy->setEnabled(true);
    OptionFromBrowser->setEnabled(true);
    OptionProxy->setEnabled(true);
    for (QLabel* label : {LabelPrServer, LabelPrUser, LabelPrPassword})
        label->setEnabled(true);
    for (QLineEdit* box : {TextLogin, TextPassword, TextPrServer, TextPrUser, TextPrPassword})
        setBoxEnabled(box, true);
    if (OptionFromBrowser->isChecked())
        OptionFromBrowser_Click();
    else
        OptionProxy_Click();
    CheckProxy_Click();
    SavePasswordCheck->setEnabled(true);
    CheckUseSSL->setEnabled(true);
}

ConnectionValues LoginPage::values() const
{
    ConnectionValues values;
    values.login = TextLogin->text();
    values.password = TextPassword->text();
    values.savePassword = SavePasswordCheck->isChecked();
    values.useSsl = CheckUseSSL->isChecked();
    values.useProxy = CheckProxy->isChecked();
    values.proxyFromBrowser = OptionFromBrowser->isChecked();
    values.proxyServer = TextPrServer->text();
    values.proxyUser = TextPrUser->text();
    values.proxyPassword = TextPrPassword->text();
    return values;
}

SoapLogin LoginPage::soapLogin() const
{
    SoapLogin login;
    login.login = TextLogin->text();
    login.password = TextPassword->text();
    login.useSsl = CheckUseSSL->isChecked();
    login.useProxy = CheckProxy->isChecked();
    login.proxyFromBrowser = OptionFromBrowser->isChecked();
    login.proxyServer = TextPrServer->text();
    login.proxyUser = TextPrUser->text();
    login.proxyPassword = TextPrPassword->text();
    return login;
}

void LoginPage::setValues(const ConnectionValues& values)
{
    TextLogin->setText(values.login);
    TextPassword->setText(values.password);
    SavePasswordCheck->setChecked(values.savePassword);
    if (values.proxyFromBrowser) {
        OptionFromBrowser->setChecked(true);
        OptionFromBrowser_Click();
    } else {
        OptionProxy->setChecked(true);
        OptionProxy_Click();
    }
    CheckUseSSL->setChecked(values.useSsl);
    CheckProxy->setChecked(values.useProxy);
    CheckProxy_Click();
    TextPrServer->setText(values.proxyServer);
    TextPrUser->setText(values.proxyUser);
    TextPrPassword->setText(values.proxyPassword);
}

} // namespace kitbench
