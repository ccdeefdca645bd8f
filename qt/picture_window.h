// The item picture window: a window of its own, titled as the core says, painting one picture
// at its own size beside whatever the program shows next.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace ventro {

// Opens the window over `owner` (none: a window of its own); it is deleted when closed.
QWidget* OpenPictureWindow(const QString& title, const QImage& picture, QWidget* owner);

}  // namespace ventro
