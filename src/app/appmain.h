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

// The folder of the shipped team lists and help page: share/quadrix beside
// the program's bin/ when it is installed, else the program's own folder.
QString shippedFolder();

// The data folder the options name; else the per-user one for an installed
// program, the program's own folder for one run from its build folder.
QString dataFolder(const StartOptions &options);

// The first start of an installed program: creates the per-user data folder
// with the shipped team lists and an empty pool file. A folder that exists
// already is left alone. Throws PoolError when the pool file cannot be
// written.
void PrepareFirstStart(const QString &folder, const QString &shipped);
