// Reads what the sale screen shows out of the core's state of the run.
#pragma once

#include <QString>

#include "platform/files.h"
#include "qt/screen_view.h"

namespace ventro {

class Ventro;

// The screen as the core's state gives it: entry text, basket list, quick-select page,
// categories, totals panel and the settings the screen follows.
ScreenView ViewOfCore(const Ventro& ventro);

// The full path of picture `name` in `folder`, or empty when there is no such file. Names are
// stored in upper case ("STOCK3.bmp") while the files are written in lower case, so a name
// not found as it stands is tried in lower case too.
QString PictureFile(const Path& folder, const QString& name);

}  // namespace ventro
