#pragma once

#include <memory>

class QApplication;
class QString;
class frmScore;
struct StartOptions;
struct frmScoreServices;

// Opens the pool file of the data folder, creates the main window, loads it
// and shows it. On any failure the error is reported and logged, and null is
// returned: start-up never ends without saying why.
std::unique_ptr<frmScore> OpenMainWindow(const frmScoreServices &services);

// Opens the pool file, creates the main window and runs it. Returns the
// program's exit status.
int Main(QApplication &app, const StartOptions &options);

// Writes an empty pool file in the data folder; no window. Returns the exit
// status and says what happened on standard output or standard error.
int CreateDatabase(const StartOptions &options);

// The data folder the options name, or the program's own folder.
QString dataFolder(const StartOptions &options);
