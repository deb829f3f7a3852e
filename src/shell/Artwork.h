#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kitbench {

// The program's own pictures: bitmaps 5000-5008, the job-list images and the shared image list
// whose keys are "<user>", "<user_must_be_confirmed>", "<user_gray>", "<admin>", "<system>",
// "<folder>", "<folder_gray>", "<asset>" and "<empty>".
QPixmap bitmapResource(int id, const QSize& logicalSize);
QIcon jobIcon(int runMode);
QIcon imageListIcon(const QString& key);

} // namespace kitbench
