// "Upload head office report": the day's report files written in the data folder and sent to
// the head office's server on a worker thread, while the clerk goes on working. The title shows
// the upload going on; a message tells how it ended.
#pragma once

#include "platform/uploader.h"
#include "platform/window.h"
#include "reports/head_office.h"
#include "sale/screen_state.h"

namespace ventro {

// Without an uploader it cannot start. Refuses a second upload while one runs (its files would be
// rewritten under it), writes the selected reports, checks the server and starts the upload with a
// copy of upload.cfg. The outcome arrives later through the platform's uploader; `screen` gives the
// title the window gets back when the upload ends.
void UploadHeadOfficeReports(HeadOfficeDesk& desk, Uploader* uploader, const SaleScreen& screen,
                             Window& window);

}  // namespace ventro
