#pragma once

#include <QString>

// The language Varnodel speaks: the first of the system's UI languages (LANGUAGE, then
// LC_ALL, LC_MESSAGES and LANG) that it has a translation for, or English.
namespace Language {

// The language of the translation in use, as its file names spell it ("de", "pt_BR"),
// or "en" when the program speaks English.
QString current();

// Loads Varnodel's own translation and Qt's for that language. Every program that
// makes a QCoreApplication with this library does so at once; later calls do nothing.
void load();

} // namespace Language
