// The program in the user's language: German where the desktop asks for it,
// English (its own texts, exactly) otherwise. A German user who works
// through the window, its messages and its dialogs meets no English word;
// the access keys of each window stay apart in both languages.
#include "app/frmScore/layout.h"
#include "app/language.h"
#include "players/playersdialog.h"
#include "players/resultsdialog.h"
#include "store/poollistdialog.h"
#include "support/testwindow.h"

#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QtWidgets>

namespace {

// Words of English that German does not use: any of them in a German text
// is a text left untranslated. (Names from the pool file, "Quadrix", "Pool",
// "Team" and "OK" are German too.)
const QSet<QString> kEnglishWords = {
    u"the"_s,      u"and"_s,      u"of"_s,      u"to"_s,      u"is"_s,       u"are"_s,
    u"this"_s,     u"that"_s,     u"not"_s,     u"with"_s,    u"for"_s,      u"from"_s,
    u"be"_s,       u"has"_s,      u"have"_s,    u"can"_s,     u"cannot"_s,   u"could"_s,
    u"square"_s,   u"squares"_s,  u"record"_s,  u"records"_s, u"enter"_s,    u"date"_s,
    u"then"_s,     u"use"_s,      u"first"_s,   u"second"_s,  u"third"_s,    u"fourth"_s,
    u"game"_s,     u"half"_s,     u"quarter"_s, u"payout"_s,  u"amount"_s,   u"per"_s,
    u"pay"_s,      u"out"_s,      u"left"_s,    u"taken"_s,   u"password"_s, u"again"_s,
    u"pick"_s,     u"numbers"_s,  u"lock"_s,    u"unlock"_s,  u"add"_s,      u"update"_s,
    u"edit"_s,     u"cancel"_s,   u"delete"_s,  u"find"_s,    u"print"_s,    u"players"_s,
    u"player"_s,   u"close"_s,    u"show"_s,    u"save"_s,    u"changes"_s,  u"yes"_s,
    u"no"_s,       u"open"_s,     u"file"_s,    u"error"_s,   u"please"_s,   u"must"_s,
    u"help"_s,     u"search"_s,   u"contact"_s, u"all"_s,     u"rights"_s,   u"reserved"_s,
    u"winner"_s,   u"score"_s,    u"scores"_s,  u"paid"_s,    u"owes"_s,     u"won"_s,
    u"prize"_s,    u"prizes"_s,   u"split"_s,   u"share"_s,   u"unsold"_s,   u"next"_s,
    u"previous"_s, u"last"_s,     u"only"_s,    u"which"_s,   u"what"_s,     u"there"_s,
    u"name"_s,     u"digit"_s,    u"digits"_s,  u"row"_s,     u"column"_s,   u"type"_s,
    u"still"_s,    u"each"_s,     u"every"_s,   u"your"_s,    u"you"_s,      u"it"_s,
    u"its"_s,      u"were"_s,     u"been"_s,    u"does"_s,    u"why"_s,      u"how"_s,
    u"where"_s,    u"when"_s,     u"or"_s,      u"if"_s,      u"locked"_s,   u"board"_s,
    u"goal"_s,     u"football"_s, u"saving"_s,  u"team's"_s,  u"wins"_s,
};

// The English words of a text, or the empty text; what it quotes (a file's
// path, a name typed) is not its own.
QString englishIn(QString text)
{
    static const QRegularExpression quoted(u"'[^']*'|\"[^\"]*\"|„[^“]*“"_s);
    text.remove(quoted);
    QStringList found;
    static const QRegularExpression word(u"[A-Za-z']+"_s);
    for (auto match = word.globalMatch(text); match.hasNext();) {
        const QString w = match.next().captured().toLower();
        if (kEnglishWords.contains(w))
            found << w;
    }
    return found.join(u", "_s);
}

QString captionOf(QWidget *w)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    if (auto *group = qobject_cast<QGroupBox *>(w))
        return group->title();
    return {};
}

// Everything a window shows or tells a screen reader.
QStringList shownTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget *w : window->findChildren<QWidget *>()) {
        texts << captionOf(w);
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && !combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        else if (auto *table = qobject_cast<QTableWidget *>(w))
            for (int c = 0; c < table->columnCount(); ++c)
                texts << table->horizontalHeaderItem(c)->text();
        else if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model())
            for (int c = 0; c < view->model()->columnCount(); ++c)
                texts << view->model()->headerData(c, Qt::Horizontal).toString();
        texts << w->accessibleName() << w->toolTip();
    }
    texts.removeAll(QString());
    return texts;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        m_window.reset();
        m_data.reset();
        Language::install(*qApp, {u"en-US"_s});
    }

    void chosenByTheInterfaceLanguages_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << QStringList{u"de-DE"_s} << u"de"_s;
        QTest::newRow("Austrian, then English") << QStringList{u"de_AT"_s, u"en"_s} << u"de"_s;
        QTest::newRow("English before German") << QStringList{u"en-US"_s, u"de-DE"_s} << u""_s;
        QTest::newRow("French, then German") << QStringList{u"fr-FR"_s, u"de-DE"_s} << u"de"_s;
        QTest::newRow("French only") << QStringList{u"fr-FR"_s} << u""_s;
        QTest::newRow("none") << QStringList{} << u""_s;
    }
    // The first language with a translation wins, English being the
    // program's own; Qt's standard buttons and the help page follow, and
    // every caption is either its own English or translated.
    void chosenByTheInterfaceLanguages()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        QCOMPARE(Language::install(*qApp, uiLanguages), chosen);
        const bool german = chosen == u"de"_s;
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"),
                 german ? u"&Ja"_s : u"&Yes"_s);

        m_data = std::make_unique<TestData>();
        m_window = std::make_unique<TestWindow>(*m_data);
        for (const QString name : {u"help.html"_s, u"help_de.html"_s})
            QFile(QDir(m_data->dir()).filePath(name)).open(QIODevice::WriteOnly);
        w().Label8_Click(); // F1's page
        QCOMPARE(QFileInfo(m_window->urls.opened.value(0).toLocalFile()).fileName(),
                 german ? u"help_de.html"_s : u"help.html"_s);
        int count = 0;
        const Layout::Control *controls = Layout::controls(&count);
        // Captions a German reads as they are.
        const QSet<QString> same{u"VS"_s, u"OK"_s};
        for (int i = 0; i < count; ++i) {
            const Layout::Control &c = controls[i];
            const QString source = QString::fromUtf8(c.text);
            // Combo boxes and figures hold their pool's values, not captions.
            if (source.isEmpty() || c.kind == Layout::Kind::PictureButton ||
                c.kind == Layout::Kind::Combo || source.contains(u'0'))
                continue;
            QWidget *widget = w().findChild<QWidget *>(
                c.index < 0 ? QString::fromLatin1(c.name)
                            : u"%1(%2)"_s.arg(QString::fromLatin1(c.name)).arg(c.index));
            QVERIFY2(widget, c.name);
            const QString shown = captionOf(widget);
            if (!german || same.contains(source))
                QCOMPARE(shown, source);
            else
                QVERIFY2(shown != source && englishIn(shown).isEmpty(), qPrintable(shown));
        }
    }

    // A German user's session: every command, every message, every dialog
    // and Qt's own buttons speak German; no window has two captions on one
    // access key, nor a control a screen reader cannot tell apart.
    void germanShowsNoEnglish()
    {
        QCOMPARE(Language::install(*qApp, {u"de-DE"_s}), u"de"_s);
        m_data = std::make_unique<TestData>();
        m_data->addPool(samplePool(u"01/01/2025"_s, u"Adler"_s, u"Bären"_s));
        PoolValues locked = samplePool(u"01/08/2025"_s, u"Falken"_s, u"Löwen"_s);
        locked.insert(u"Password"_s, u"pw"_s);
        m_data->addPool(locked);
        m_window = std::make_unique<TestWindow>(*m_data);
        Dialogs &dialogs = m_window->dialogs;
        QStringList problems;
        const auto look = [&](QWidget *window, const char *step) {
            if (!window)
                return;
            for (const QString &text : shownTexts(window))
                if (const QString english = englishIn(text); !english.isEmpty())
                    problems << u"%1: \"%2\" (%3)"_s.arg(QLatin1String(step), text, english);
            if (const QString clashes = clashingAccessKeys(window); !clashes.isEmpty())
                problems << u"%1: access keys %2"_s.arg(QLatin1String(step), clashes);
            if (const QString unnamed = unnamedControls(window); !unnamed.isEmpty())
                problems << u"%1: %2"_s.arg(QLatin1String(step), unnamed);
        };
        const auto step = [&](const char *name, const std::function<void()> &command) {
            command();
            look(&w(), name);
        };

        step("browse", [] {});
        step("add, nothing typed", [&] {
            w().cmdAdd->click();
            w().cmdUpdate->click();
        });
        step("a date that is none", [&] {
            w().txtGameDate->setText(u"13/45/2025"_s);
            w().cmdUpdate->click();
            w().cmdCancel->click();
        });
        step("edit and draw", [&] {
            w().cmdEdit->click();
            w().Imput[45]->setText(u"Anna"_s);
            dialogs.setNextAnswer(Dialogs::Answer::Yes);
            w().Command3->click();
            w().txtPoolAmount->setText(u"zehn"_s);
            w().txtPoolAmount_LostFocus();
            w().cmdUpdate->click();
        });
        step("quick pick", [&] {
            w().cmdEdit->click();
            dialogs.setNextInput(u"Bernd"_s);
            dialogs.setNextInput(u"viele"_s);
            w().cmdQuick->click();
            w().cmdCancel->click();
        });
        step("a score that is none", [&] {
            w().Score[0]->setText(u"x"_s);
            w().Score_Change(0);
        });
        step("lock", [&] {
            w().cmdLock->click();
            w().Text2->setText(u"geheim"_s);
            w().Text2_LostFocus();
            w().Text1->setText(u"anders"_s);
            w().cmdLock->click();
            w().cmdNext->click();
            w().cmdEdit->click();
            w().Text2->setText(u"falsch"_s);
            w().cmdunlock->click();
        });
        step("search", [&] {
            w().cmdSearch->click();
            w().txtSearch->setText(u"12/31/1999"_s);
            w().cmdFind->click();
            w().escape();
        });
        step("delete, then not", [&] {
            w().cmdFirst->click();
            w().cmdDelete->click();
        });
        step("print and help", [&] {
            m_window->print.noPrinter = true;
            w().cmdPrint->click();
            m_window->urls.noBrowser = true;
            w().Label8_Click();
        });
        step("the file is held by another program", [&] {
            OtherProgram other(m_data->poolFile(), true);
            w().cmdEdit->click();
            w().Imput[3]->setText(u"Carla"_s);
            w().cmdUpdate->click();
            w().cmdCancel->click();
        });
        w().cmdPlayers->click();
        look(w().playersDialog(), "players");
        w().cmdResults_Click();
        look(w().resultsDialog(), "payout and scores");
        w().cmdList_Click();
        look(w().poolListDialog(), "list of pools");
        for (const Dialogs::Shown &shown : dialogs.shown()) {
            for (const QString &text : {shown.text, shown.title, shown.defaultText})
                if (const QString english = englishIn(text); !english.isEmpty())
                    problems << u"message \"%1\" (%2)"_s.arg(text, english);
        }
        for (const auto &box : {dialogs.questionBox(frmScore::kSaveChangesQuestion, u"Quadrix"_s,
                                                    Dialogs::Icon::None, Dialogs::Answer::Yes),
                                dialogs.confirmBox(u"?"_s, u"Quadrix"_s)})
            for (QAbstractButton *button : box->buttons())
                if (const QString english = englishIn(button->text()); !english.isEmpty())
                    problems << u"Qt's button \"%1\""_s.arg(button->text());
        QVERIFY2(dialogs.shown().size() >= 8, "the session showed fewer messages than it should");
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"\n"_s)));
    }

private:
    frmScore &w() { return m_window->w(); }
    std::unique_ptr<TestData> m_data;
    std::unique_ptr<TestWindow> m_window;
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
