#pragma once

class QApplication;
class QIcon;

// Starts Corvanta: software rendering, the application object, Italian texts and
// fonts, the window instances, and the event loop. Returns the exit code.
int runCorvanta(int argc, char* argv[]);

// What every run of the windows needs once the application object exists: Qt's Italian
// texts, the font substitutions, the window icon and a program that ends only through
// the launcher.
void prepareApplication(QApplication& app);

// The program's icon, from the same SVG the build lays beside the executable.
QIcon applicationIcon();
