#pragma once

class QApplication;
class QString;
struct StartOptions;

// Opens the pool file, creates the main window and runs it. Returns the
// program's exit status.
int Main(QApplication &app, const StartOptions &options);

// Writes an empty pool file in the data folder; no window. Returns the exit
// status and says what happened on standard output or standard error.
int CreateDatabase(const StartOptions &options);

// The data folder the options name, or the program's own folder.
QString dataFolder(const StartOptions &options);
