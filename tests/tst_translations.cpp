#include "help/frmhelp.h"
#include "support.h"

#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

// Every shipped language: brought up to date with the sources, it holds a finished
// translation of every text, keeping every placeholder, and every button and menu of a
// window keeps an access key of its own.
class tst_translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void complete_data();
    void complete();

private:
    QTemporaryDir updated;
};

// The .ts files as lupdate leaves them after a scan of today's sources: a source text
// that a file lacks comes in unfinished, so it fails below.
void tst_translations::initTestCase()
{
    QVERIFY(updated.isValid());
    for (const QString &language : QStringLiteral(VARNODEL_LANGUAGES).split(u',')) {
        const QString name = QStringLiteral("varnodel_%1.ts").arg(language);
        QVERIFY(QFile::copy(QStringLiteral(VARNODEL_TS_DIR "/") + name, updated.filePath(name)));
        QProcess lupdate;
        lupdate.start(QStringLiteral(VARNODEL_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"),
                       QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral(VARNODEL_SOURCE_DIR), QStringLiteral("-ts"),
                       updated.filePath(name)});
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
    }
}

void tst_translations::complete_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : QStringLiteral(VARNODEL_LANGUAGES).split(u','))
        QTest::newRow(qPrintable(language)) << language;
}

static QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(?:L?[1-9]|n)"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

static QStringList accessKeys(const QList<QString> &captions)
{
    QStringList keys;
    for (const QString &caption : captions)
        keys << QKeySequence::mnemonic(caption).toString().toLower();
    return keys;
}

void tst_translations::complete()
{
    QFETCH(QString, language);
    QFile file(updated.filePath(QStringLiteral("varnodel_%1.ts").arg(language)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    QString source;
    bool numerus = false;
    int messages = 0;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == u"message") {
            numerus = ts.attributes().value(QLatin1String("numerus")) == u"yes";
        } else if (ts.name() == u"source") {
            source = ts.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (ts.name() == u"translation" || ts.name() == u"numerusform") {
            if (ts.name() == u"translation") {
                ++messages;
                QVERIFY2(ts.attributes().value(QLatin1String("type")).isEmpty(),
                         qPrintable(language + QStringLiteral(": ") + source));
                if (numerus)
                    continue;
            }
            const QString translation = ts.readElementText(QXmlStreamReader::IncludeChildElements);
            QVERIFY2(!translation.isEmpty(), qPrintable(source));
            // A plural form may say "one" for %n, as long as it keeps every other one.
            QStringList wanted = placeholders(source);
            if (numerus && !translation.contains(QLatin1String("%n")))
                wanted.removeAll(QStringLiteral("%n"));
            QCOMPARE(placeholders(translation), wanted);
        }
    }
    QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
    QVERIFY(messages > 50);

    // In the window: the seven buttons and the menu, the menu's items, the help window's
    // buttons; each caption keeps an access key that no other beside it has.
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/varnodel_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    Form1 form;
    frmHelp help(&form);
    QCoreApplication::removeTranslator(&translator);
    QList<QString> buttons, items;
    for (const QPushButton *button : {form.cmdSave, form.cmdGet, form.cmdSolve, form.cmdShowGrid,
                                      form.cmdShowResult, form.cmdQuit, form.cmdClear})
        buttons << button->text();
    buttons << form.Help->title();
    for (const QAction *action : form.Help->actions())
        items << action->text();
    for (const QList<QString> &group :
         {buttons, items, QList<QString>{help.cmdNext->text(), help.cmdQuit->text()}}) {
        const QStringList keys = accessKeys(group);
        QVERIFY2(!keys.contains(QString()), qPrintable(group.join(u'|')));
        QVERIFY2(QSet<QString>(keys.cbegin(), keys.cend()).size() == keys.size(),
                 qPrintable(group.join(u'|')));
    }
}

QTEST_MAIN(tst_translations)
#include "tst_translations.moc"
