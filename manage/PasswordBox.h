#pragma once

class QLineEdit;
class QWidget;

// A text box for a password: at most ten characters, each shown as "*"
// whatever the desktop style would use.
QLineEdit *makePasswordBox(QWidget *parent);
