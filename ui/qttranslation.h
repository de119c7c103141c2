#pragma once

class QLocale;
class QTranslator;

// Loads the system Qt's own translation of the dialogs it draws (files, printing, message-box
// buttons) for `language` into `translator`; false when the system has none for it.
bool loadQtTranslation(QTranslator &translator, const QLocale &language);
