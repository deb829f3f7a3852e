#pragma once

#include "session/SoapProgressSink.h"

// The wizard's progress bar as the session sees it, remembering what it was set to.
class ProgressBar : public kitbench::SoapProgressSink
{
public:
    bool progressVisible() const override { return visible; }
    int progressValue() const override { return value; }
    void setProgressValue(int newValue) override { value = newValue; }
    bool visible = true;
    int value = 0;
};
