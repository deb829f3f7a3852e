#include "shell/NavigationBar.h"

#include "shell/Controls.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace kitbench {

NavigationBar buildNavigationBar(QWidget* window)
{
    NavigationBar bar;
    bar.pleaseWait = makeLabel(window, "lblStep_1", 2001, QStringLiteral("Orvello Kitbench"));
    bar.pleaseWait->setWordWrap(false);
    bar.pleaseWait->hide(); // shown with the progress bar
    bar.fileProgress = makeLabel(window, "Label5", 0, QStringLiteral("File Progress:"));
    bar.fileProgress->hide();
    bar.progressBar = makeControl<QProgressBar>(window, "ProgressBar");
    bar.progressBar->setTextVisible(false);
    bar.progressBar->hide();

    bar.statusLine = new QHBoxLayout;
    bar.statusLine->addWidget(bar.pleaseWait);
    bar.statusLine->addStretch(1);
    bar.statusLine->addWidget(bar.fileProgress);
    bar.statusLine->addWidget(bar.progressBar, 1);

    bar.picNav = makeControl<QWidget>(window, "picNav");
    const std::array<std::pair<int, QString>, 5> buttons{{{100, QStringLiteral("Help")},
                                                          {101, QStringLiteral("Cancel")},
                                                          {102, QStringLiteral("< &Back")},
                                                          {103, QStringLiteral("&Next >")},
                                                          {104, QStringLiteral("&Finish")}}};
    auto* layout = new QHBoxLayout(bar.picNav);
    layout->setContentsMargins(0, 0, 0, 0);
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        const QByteArray name = "cmdNav_" + QByteArray::number(static_cast<int>(index));
        QPushButton* button = makeControl<QPushButton>(bar.picNav, name.constData(), buttons[index].first,
                                                       buttons[index].second);
        // Enter goes to the wizard's default button (Next or Finish), never to the focused one.
        button->setAutoDefault(false);
        if (index == NavButton::Back)
            layout->addStretch(1);
        layout->addWidget(button);
        bar.cmdNav[index] = button;
    }
    return bar;
}

int navButtonForKey(const QKeyEvent& event, bool onFinalPage)
{
    if (event.modifiers() != Qt::NoModifier && event.modifiers() != Qt::KeypadModifier)
        return -1;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return onFinalPage ? NavButton::Finish : NavButton::Next;
    case Qt::Key_Escape:
        return NavButton::Cancel;
    case Qt::Key_F1:
        return NavButton::Help;
    default:
        return -1;
    }
}

} // namespace kitbench
