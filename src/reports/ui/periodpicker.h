#pragma once

class QDateEdit;
class QWidget;

// A date picker of the report screens: a calendar drop-down showing
// "dd.MM.yyyy", set to today.
QDateEdit *makeDatePicker(const char *name, QWidget *parent);
