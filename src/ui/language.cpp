#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Language {

namespace {

QString g_current = QStringLiteral("en");
bool g_loaded = false;

} // namespace

QString current()
{
    return g_current;
}

void load()
{
    if (g_loaded || !QCoreApplication::instance())
        return;
    g_loaded = true;
    // The translations are built into the program. QTranslator tries the system's UI
    // languages in order, each as given ("de_AT") and without its country ("de"). English
    // has a translation too, which holds only the plural forms of the texts that count.
    auto *own = new QTranslator(QCoreApplication::instance());
    const QString folder = QStringLiteral(":/i18n");
    if (!own->load(QLocale::system(), QStringLiteral("varnodel"), QStringLiteral("_"), folder)
        && !own->load(QStringLiteral("varnodel_en"), folder)) {
        delete own;
        return;
    }
    QCoreApplication::installTranslator(own);
    g_current = own->language().replace(QLatin1Char('-'), QLatin1Char('_'));
    if (g_current == u"en")
        return;
    // Qt's own words (the file dialog, the OK button) in the same language, where the
    // system has Qt's translations for it.
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(g_current), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

} // namespace Language

namespace {

// Every program built on Varnodel's library, the tests included, speaks the same way.
void loadAtStart()
{
    Language::load();
}
Q_COREAPP_STARTUP_FUNCTION(loadAtStart)

} // namespace
