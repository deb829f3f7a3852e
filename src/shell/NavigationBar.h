#pragma once

#include <array>

class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace kitbench {

// The buttons along the bottom of the wizard, by their index in cmdNav.
struct NavButton
{
    enum : int
    {
        Help = 0,
        Cancel = 1,
        Back = 2,
        Next = 3,
        Finish = 4
    };
};

// The wizard's bottom rows: the "please wait" line with the progress bar, and the navigation buttons
// (Help, Cancel, Back, Next, Finish). The widgets carry the object names scripts and tests address.
struct NavigationBar
{
    QWidget* picNav = nullptr;
    std::array<QPushButton*, 5> cmdNav{};
    QProgressBar* progressBar = nullptr;
    QLabel* pleaseWait = nullptr;   // lblStep_1
    QLabel* fileProgress = nullptr; // Label5
    QHBoxLayout* statusLine = nullptr;
};

// Builds both rows as children of `window`; the caller lays them out and connects the buttons.
NavigationBar buildNavigationBar(QWidget* window);

// The button a key presses when the focused control left the key alone, as in any dialog of the
// desktop: Enter presses Next (Finish on the final page), Esc Cancel, F1 Help; -1 for any other key.
int navButtonForKey(const QKeyEvent& event, bool onFinalPage);

} // namespace kitbench
