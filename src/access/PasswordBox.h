#pragma once

class QLineEdit;
class QWidget;

// A masked password box, Verdana 14 bold, with its yellow focus rectangle named
// "eff" + role behind it.
QLineEdit* passwordBox(QWidget* parent, const char* name, const char* effName, int left, int top, int width);
