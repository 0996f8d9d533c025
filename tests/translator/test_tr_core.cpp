#include "lang/languagefile.h"
#include "tests/support/languagefiles.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/testsupport.h"
#include "translator/tr_core.h"
#include "translator/tr_edit.h"
#include "translator/tr_form.h"
#include "translator/tr_replace.h"
#include "widgets/qtmessenger.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace translator;

namespace {

struct Fixture
{
    QTemporaryDir dir;
    ScriptedMessenger messenger;
    QList<QUrl> opened;
    std::unique_ptr<TR_Core> window;

    explicit Fixture(const QString& developerSwitch = QStringLiteral("0"), DietlensFits fits = {})
    {
        TranslatorSettings s;
        s.documentsFolder = dir.path() + QLatin1Char('/');
        s.notesFile = dir.path() + QStringLiteral("/notes.json");
        s.siteEn = QStringLiteral("http://127.0.0.1:8080/");
        s.siteNl = QStringLiteral("http://127.0.0.1:8081/");
        s.developerSwitch = developerSwitch;
        s.dietlensFits = std::move(fits);
        s.launcher.openUrl = [this](const QUrl& url) {
            opened << url;
            return true;
        };
        window = std::make_unique<TR_Core>(s, messenger);
    }

    template <class T> T* child(const char* name) const { return window->findChild<T*>(QLatin1String(name)); }
    QAction* action(const char* name) const { return child<QAction>(name); }
    QListWidget* forms() const { return child<QListWidget>("lst_forms"); }
    QListWidget* rows() const { return child<QListWidget>("lst_lang"); }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    void chooseForm(int line) const { forms()->setCurrentRow(line); }
    void chooseRow(int row) const { rows()->setCurrentRow(row); }

    void openFile(const QString& file)
    {
        messenger.fileNames.push_back(file);
        window->mnu_open_Click();
    }
};

// A language file whose forms are all named and whose tables are full of
// rows of at least 2 characters, like the default files.
LanguageTables sampleTables()
{
    LanguageTables t;
    for (int form = 1; form <= 24; ++form) {
        t.set(0, form, QStringLiteral("Form %1").arg(form));
        for (int i = 0; i < 3 + form; ++i)
            t.set(form, i, QStringLiteral("Text %1.%2 \u00E9\u20AC").arg(form).arg(i));
    }
    t.set(25, 0, QStringLiteral("Dietlens"));
    t.set(25, 1, QStringLiteral("2.12"));
    t.set(25, 2, QStringLiteral("Quelmar"));
    t.set(25, 3, QStringLiteral("01-06-2005"));
    t.set(25, 4, QStringLiteral("1"));
    return t;
}

bool writeTables(const LanguageTables& tables, const QString& path)
{
    ScriptedMessenger m;
    return testsupport::saveLanguageFile(tables, path, m, LanguageSaveFailure::dietlens());
}

LanguageTables loadTables(const QString& path)
{
    ScriptedMessenger m;
    LanguageTables t;
    testsupport::loadLanguageFile(t, path, m);
    return t;
}

// Runs 'step' on the modal dialog once it is shown.
void onModal(std::function<void(QWidget*)> step)
{
    QTimer::singleShot(0, [step] {
        QWidget* w = QApplication::activeModalWidget();
        QVERIFY(w);
        step(w);
    });
}

// Types characters that QTest's key tables do not know.
void typeText(QWidget* widget, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

// Runs 'step' on the modal dialog for which 'ready' holds, once it is shown;
// for dialogs that open one after another without a pause between them.
void whenModal(std::function<bool(QWidget*)> ready, std::function<void(QWidget*)> step)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, ready, step] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || !ready(w))
            return;
        // The dialog's keys (Ctrl+Enter is a shortcut) reach it once it is the active window.
        if (!w->isActiveWindow()) {
            w->activateWindow();
            return;
        }
        timer->stop();
        timer->deleteLater();
        step(w);
    });
    timer->start();
}

void clickButton(QWidget* dialog, const char* name)
{
    auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
    QVERIFY(button);
    button->click();
}

} // namespace

class TestTrCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startShowsANewDocument()
    {
        Fixture f;
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Quelmar Translator 1.6"));
        QCOMPARE(f.forms()->count(), 24);
        QCOMPARE(f.forms()->item(23)->text(), QStringLiteral("- EMPTY FORM - "));
        QCOMPARE(f.rows()->count(), 0);
        QVERIFY(!f.action("mnu_save")->isEnabled());
        QVERIFY(!f.action("Toolbar1_Button4")->isEnabled());
        for (const char* name :
             {"mnu_text_new", "mnu_text_edit", "mnu_text_insert", "mnu_text_delete", "Toolbar1_Button6",
              "Toolbar1_Button7", "Toolbar1_Button8", "Toolbar1_Button9"})
            QVERIFY2(!f.action(name)->isEnabled(), name);
        QVERIFY(!f.action("mnu_text_replace")->isVisible());
        QVERIFY(!f.child<QMenu>("mnu_extra")->menuAction()->isVisible());
        QCOMPARE(f.action("Toolbar1_Button3")->toolTip(), QStringLiteral("Open an exisiting file"));
        QCOMPARE(f.action("mnu_text_delete")->shortcut(), QKeySequence(Qt::Key_Delete));
        QCOMPARE(f.child<QLabel>("StatusBar_Panel1")->text(), QStringLiteral("Quelmar Translator 1.6"));
        QCOMPARE(f.child<QLabel>("StatusBar_Panel2")->text(), QStringLiteral("Form: 0"));
        QVERIFY(f.child<QLineEdit>("txt_app")->isReadOnly());
        QVERIFY(!f.child<QLineEdit>("txt_naam")->isReadOnly());
        QVERIFY(f.messenger.shown.isEmpty());

        Fixture developer(QStringLiteral("1"));
        QVERIFY(developer.child<QMenu>("mnu_extra")->menuAction()->isVisible());
    }

    void choosingByKeyboardFollowsTheHighlight()
    {
        Fixture f;
        QVERIFY(writeTables(sampleTables(), f.path("a.lsf")));
        f.openFile(f.path("a.lsf"));
        f.forms()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        QTest::keyClick(f.forms(), Qt::Key_Down);
        QCOMPARE(f.window->document().currentForm(), 2);
        QCOMPARE(f.rows()->count(), 5);
        QCOMPARE(f.child<QLabel>("StatusBar_Panel2")->text(), QStringLiteral("Form: 2"));
        QVERIFY(f.action("Toolbar1_Button6")->isEnabled());
        QVERIFY(!f.action("mnu_text_delete")->isEnabled());

        f.rows()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        QTest::keyClick(f.rows(), Qt::Key_Down);
        QCOMPARE(f.window->document().currentRow(), 1);
        QCOMPARE(f.child<QLabel>("StatusBar_Panel3")->text(), QStringLiteral("Row: 1"));
        for (const char* name :
             {"mnu_text_edit", "mnu_text_insert", "mnu_text_delete", "Toolbar1_Button7", "Toolbar1_Button8"})
            QVERIFY2(f.action(name)->isEnabled(), name);

        QTest::keyClick(f.forms(), Qt::Key_Down); // another form forgets the row
        QCOMPARE(f.window->document().currentForm(), 3);
        QVERIFY(!f.action("mnu_text_delete")->isEnabled());
        QVERIFY(!f.action("Toolbar1_Button8")->isEnabled());
    }

    void unsavedChangesQuestions()
    {
        Fixture f;
        auto* author = f.child<QLineEdit>("txt_naam");
        QTest::keyClicks(author, QStringLiteral("Me"));
        QVERIFY(f.window->document().dirty());
        QVERIFY(f.action("mnu_save")->isEnabled());

        f.messenger.answers = {MessageAnswer::No};
        f.window->mnu_new_Click();
        QCOMPARE(f.messenger.shown.size(), 1);
        QCOMPARE(
            f.messenger.shown.at(0).text,
            QStringLiteral("Changes are not saved yet.\nAre you sure that you want to start a new file?"));
        QCOMPARE(f.messenger.shown.at(0).icon, MessageIcon::Question);
        QCOMPARE(author->text(), QStringLiteral("Me"));
        QVERIFY(f.window->document().dirty());

        f.messenger.answers = {MessageAnswer::Yes};
        f.window->mnu_new_Click();
        QVERIFY(author->text().isEmpty());
        QVERIFY(!f.window->document().dirty());
        QVERIFY(!f.action("mnu_save")->isEnabled());
    }

    void closingAsksOnlyWithUnsavedChanges()
    {
        Fixture f;
        f.window->show();
        QVERIFY(f.window->close());
        QVERIFY(f.messenger.shown.isEmpty());

        f.window->show();
        QTest::keyClicks(f.child<QLineEdit>("txt_date"), QStringLiteral("1"));
        f.messenger.answers = {MessageAnswer::No};
        QVERIFY(!f.window->close());
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.messenger.shown.last().title, QStringLiteral("File is not saved yet!"));
        QVERIFY(f.window->document().dirty());

        // Exit asks once, then closes.
        f.messenger.shown.clear();
        f.messenger.answers = {MessageAnswer::Yes};
        f.window->mnu_exit_Click();
        QCOMPARE(f.messenger.shown.size(), 1);
        QVERIFY(!f.window->isVisible());
    }

    void cancelledOrFailedOpenChangesNothing()
    {
        Fixture f;
        QTest::keyClicks(f.child<QLineEdit>("txt_naam"), QStringLiteral("Kept"));
        f.messenger.answers = {MessageAnswer::Yes};
        f.openFile(QString()); // cancelled
        QCOMPARE(f.messenger.fileDialogs.size(), 1);
        QCOMPARE(f.messenger.fileDialogs.at(0).startFolder, f.dir.path() + QLatin1Char('/'));
        QCOMPARE(f.child<QLineEdit>("txt_naam")->text(), QStringLiteral("Kept"));
        QVERIFY(f.window->document().dirty());

        QVERIFY(testsupport::writeAll(f.path("bad.lsf"), QByteArray("\x01\x00", 2)));
        f.messenger.shown.clear();
        f.messenger.answers = {MessageAnswer::Yes};
        f.openFile(f.path("bad.lsf"));
        QCOMPARE(f.messenger.titles(), (QStringList{QStringLiteral("Quelmar Translator"),
                                                    QStringLiteral("Error during loading #03")}));
        QCOMPARE(f.child<QLineEdit>("txt_naam")->text(), QStringLiteral("Kept"));
        QVERIFY(f.child<QLineEdit>("txt_filetitle")->text().isEmpty());
        QVERIFY(f.window->document().filePath().isEmpty());
        QVERIFY(f.window->document().dirty());
    }

    void openAndSaveKeepsTheBytes()
    {
        Fixture f;
        const QString file = f.path("English.lsf");
        QVERIFY(writeTables(sampleTables(), file));
        const QByteArray before = testsupport::readAll(file);
        f.openFile(file);
        QCOMPARE(f.child<QLineEdit>("txt_filetitle")->text(), QStringLiteral("English.lsf"));
        QCOMPARE(f.child<QLineEdit>("txt_versie")->text(), QStringLiteral("2.12"));
        f.chooseForm(4);
        f.window->mnu_save_Click();
        QCOMPARE(f.messenger.shown.last().text, QStringLiteral("The language file has been saved."));
        QCOMPARE(testsupport::readAll(file), before);

        // A changed header box changes only its own entry.
        auto* date = f.child<QLineEdit>("txt_date");
        date->selectAll();
        QTest::keyClicks(date, QStringLiteral("02-02-2026"));
        f.window->mnu_save_Click();
        LanguageTables expected = sampleTables();
        expected.set(25, 3, QStringLiteral("02-02-2026"));
        QVERIFY(loadTables(file) == expected);
        QVERIFY(!f.window->document().dirty());
    }

    void saveWithoutPathAsksForOne()
    {
        Fixture f;
        f.messenger.fileNames = {f.path("mine")};
        f.window->mnu_save_Click();
        QCOMPARE(f.messenger.fileDialogs.size(), 1);
        QCOMPARE(f.messenger.shown.size(), 1);
        QCOMPARE(f.messenger.shown.at(0).text, QStringLiteral("The language file has been saved."));
        QCOMPARE(f.window->document().filePath(), f.path("mine.lsf"));
        QCOMPARE(testsupport::readAll(f.path("mine.lsf")).size(), 5106 + 24 * 15);

        // Cancelling the dialog writes nothing.
        Fixture g;
        g.window->mnu_save_Click();
        QVERIFY(g.messenger.shown.isEmpty());
        QVERIFY(g.window->document().filePath().isEmpty());
    }

    void failedSaveKeepsTheDocumentDirty()
    {
        Fixture f;
        QVERIFY(writeTables(sampleTables(), f.path("a.lsf")));
        f.openFile(f.path("a.lsf"));
        QTest::keyClicks(f.child<QLineEdit>("txt_naam"), QStringLiteral("x"));
        f.window->document().setFilePath(f.path("missing-folder/a.lsf"));
        f.window->mnu_save_Click();
        QCOMPARE(f.messenger.shown.last().text,
                 QStringLiteral("An error occured while saving the language file: ") +
                     f.path("missing-folder/a.lsf"));
        QVERIFY(f.window->document().dirty());
        QVERIFY(f.action("mnu_save")->isEnabled());
    }

    void saveRefusedForTheTableLimitNamesTheForm()
    {
        Fixture f;
        LanguageTables big = sampleTables();
        for (int i = 0; i < 100; ++i)
            big.set(2, i, QString(400, QLatin1Char('a')));
        f.window->document().AdoptLoaded(big, f.path("big.lsf"));
        f.window->mnu_save_Click();
        QVERIFY(!QFile::exists(f.path("big.lsf")));
        QVERIFY(f.messenger.shown.size() >= 2);
        QVERIFY2(f.messenger.shown.last().text.startsWith(QStringLiteral("Form 2 (Form 2) takes 40")),
                 qPrintable(f.messenger.shown.last().text));
    }

    void newRowThroughTheDialog()
    {
        Fixture f;
        QVERIFY(writeTables(sampleTables(), f.path("a.lsf")));
        f.openFile(f.path("a.lsf"));
        f.chooseForm(0); // form 1: 4 rows
        onModal([&f](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("New text"));
            auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("txt_newtxt"));
            QTest::keyClicks(text, QStringLiteral("ab"));
            QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lbl_text"))->text(), QStringLiteral("ab"));
            QTest::keyClick(text, Qt::Key_Return); // Save is the default button
            QCOMPARE(f.messenger.shown.last().text, QStringLiteral("Type at least 3 characters"));
            QVERIFY(dialog->isVisible());
            QTest::keyClicks(text, QStringLiteral("c"));
            QTest::keyClick(text, Qt::Key_Return);
        });
        f.window->mnu_text_new_Click();
        QCOMPARE(f.rows()->count(), 5);
        QCOMPARE(f.rows()->item(4)->text(), QStringLiteral("abc"));
        QCOMPARE(f.window->document().tables().at(1, 4), QStringLiteral("abc"));
        QVERIFY(f.action("mnu_save")->isEnabled());
    }

    void translatingRowAfterRowByKeyboard()
    {
        Fixture f;
        LanguageTables translated = sampleTables();
        translated.set(1, 0, QStringLiteral("Eins"));
        QVERIFY(writeTables(sampleTables(), f.path("ref.lsf")));
        QVERIFY(writeTables(translated, f.path("de.lsf")));
        f.openFile(f.path("de.lsf"));
        f.messenger.fileNames.push_back(f.path("ref.lsf"));
        f.window->chooseReference();
        QVERIFY(f.window->hasReference());
        f.chooseForm(0);
        f.action("onlyLeftToDoAction")->trigger(); // row 0 is translated already
        QCOMPARE(f.rows()->isRowHidden(0), true);
        QCOMPARE(f.rows()->isRowHidden(1), false);
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.rows()->setFocus();

        QTest::keyClick(f.rows(), Qt::Key_F8); // the first row still to do
        QCOMPARE(f.window->document().currentRow(), 1);
        const auto editing = [](int form, int row) {
            return [=](QWidget* w) {
                auto* reference = w->findChild<QLabel*>(QStringLiteral("referenceText"));
                return reference &&
                       reference->text() == QStringLiteral("Text %1.%2 \u00E9\u20AC").arg(form).arg(row);
            };
        };
        const auto translate = [](const QString& text, Qt::KeyboardModifiers modifiers) {
            return [=](QWidget* w) {
                auto* box = w->findChild<QLineEdit*>(QStringLiteral("txt_newtxt"));
                box->selectAll();
                QTest::keyClicks(box, text);
                QTest::keyClick(box, Qt::Key_Return, modifiers);
            };
        };
        whenModal(editing(1, 1), translate(QStringLiteral("Zwei"), Qt::ControlModifier));
        whenModal(editing(1, 2), translate(QStringLiteral("x"), Qt::ControlModifier)); // refused, stays open
        whenModal(
            [](QWidget* w) {
                auto* box = w->findChild<QLineEdit*>(QStringLiteral("txt_newtxt"));
                return box && box->text() == QStringLiteral("x");
            },
            translate(QStringLiteral("Drei"), Qt::NoModifier)); // Enter saves and stops
        QTest::keyClick(f.rows(), Qt::Key_Return);

        QCOMPARE(f.window->document().rows().mid(0, 4),
                 (QStringList{QStringLiteral("Eins"), QStringLiteral("Zwei"), QStringLiteral("Drei"),
                              QStringLiteral("Text 1.3 \u00E9\u20AC")}));
        QCOMPARE(f.messenger.shown.last().text, QStringLiteral("Type at least 3 characters"));
        QCOMPARE(f.window->document().currentRow(), 2);

        // Undo by keyboard takes the last row back; the document stays unsaved.
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTest::keyClick(f.rows(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.window->document().rows().at(2), QStringLiteral("Text 1.2 \u00E9\u20AC"));
        QCOMPARE(f.rows()->item(2)->text(), QStringLiteral("Text 1.2 \u00E9\u20AC"));
        QVERIFY(f.action("mnu_save")->isEnabled());

        // The reference is remembered for the file, not written into it.
        f.window->document().setDirty(false);
        f.openFile(f.path("de.lsf"));
        QVERIFY(f.window->hasReference());
        QCOMPARE(loadTables(f.path("de.lsf")), translated);
    }

    void escapeCancelsTheRowDialog()
    {
        Fixture f;
        QVERIFY(writeTables(sampleTables(), f.path("a.lsf")));
        f.openFile(f.path("a.lsf"));
        f.chooseForm(0);
        f.chooseRow(1);
        onModal([](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit text"));
            auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("txt_newtxt"));
            QCOMPARE(text->text(), QStringLiteral("Text 1.1 \u00E9\u20AC"));
            QTest::keyClicks(text, QStringLiteral("changed"));
            QTest::keyClick(text, Qt::Key_Escape);
        });
        f.window->mnu_text_edit_Click();
        QCOMPARE(f.rows()->item(1)->text(), QStringLiteral("Text 1.1 \u00E9\u20AC"));
        QVERIFY(!f.window->document().dirty());
    }

    // With dietlens's measure at hand the row dialog says where the text shows
    // and whether it fits, again as the text is typed; for a row dietlens does
    // not show it says nothing.
    void rowDialogShowsWhereDietlensShowsTheText()
    {
        Fixture f(QStringLiteral("0"), [](const LanguageTables& tables, int form, int index) {
            DietlensPlaces places;
            if (index == 1)
                places.lines << QStringLiteral("Main window: ") + tables.at(form, index);
            return places;
        });
        QVERIFY(writeTables(sampleTables(), f.path("a.lsf")));
        f.openFile(f.path("a.lsf"));
        f.chooseForm(0);
        for (int row : {1, 2}) {
            f.chooseRow(row);
            onModal([row](QWidget* dialog) {
                auto* frame = dialog->findChild<QWidget*>(QStringLiteral("dietlensFrame"));
                auto* fits = dialog->findChild<QLabel*>(QStringLiteral("dietlensFits"));
                QVERIFY(frame && fits);
                QCOMPARE(frame->isVisibleTo(dialog), row == 1);
                if (row == 1) {
                    QCOMPARE(fits->text(), QStringLiteral("Main window: Text 1.1 \u00E9\u20AC"));
                    auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("txt_newtxt"));
                    text->setText(QStringLiteral("Longer"));
                    QTRY_COMPARE(fits->text(), QStringLiteral("Main window: Longer"));
                }
                QTest::keyClick(dialog, Qt::Key_Escape);
            });
            f.window->mnu_text_edit_Click();
        }
    }

    void insertAndDeleteAskFirst()
    {
        Fixture f;
        QVERIFY(writeTables(sampleTables(), f.path("a.lsf")));
        f.openFile(f.path("a.lsf"));
        f.chooseForm(1); // form 2: 5 rows
        f.chooseRow(2);
        f.messenger.answers = {MessageAnswer::No};
        f.window->mnu_text_insert_Click();
        QCOMPARE(f.rows()->count(), 5);
        QVERIFY(!f.window->document().dirty());

        f.messenger.answers = {MessageAnswer::Yes};
        f.window->mnu_text_insert_Click();
        QCOMPARE(f.rows()->count(), 6);
        QCOMPARE(f.rows()->item(2)->text(), QStringLiteral("<NEW>"));
        QCOMPARE(f.window->document().tables().at(2, 3), QStringLiteral("Text 2.2 \u00E9\u20AC"));

        f.chooseRow(0);
        f.messenger.answers = {MessageAnswer::Yes};
        f.window->mnu_text_delete_Click();
        QCOMPARE(f.messenger.shown.last().text,
                 QStringLiteral("Deleting a row will affect the layout of the language file.\n"
                                "Are you sure that you want to delete this row?"));
        QCOMPARE(f.rows()->count(), 5);
        QCOMPARE(f.window->document().tables().at(2, 0), QStringLiteral("Text 2.1 \u00E9\u20AC"));
        QVERIFY(f.window->document().tables().at(2, 5).isEmpty());
        QVERIFY(!f.action("mnu_text_delete")->isEnabled()); // choose again before the next delete
    }

    void formNameDialog()
    {
        Fixture f;
        f.chooseForm(2);
        onModal([&f](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit form"));
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txt_form"));
            QCOMPARE(name->text(), QStringLiteral("- EMPTY FORM - "));
            name->setText(QStringLiteral("Bad \u00BD name"));
            clickButton(dialog, "cmd_save");
            QCOMPARE(f.messenger.shown.last().text,
                     QStringLiteral("Please remove the \u00BD, \u00BE or \u00BC characters."));
            name->clear();
            QTest::keyClicks(name, QString(60, QLatin1Char('n'))); // typing stops at 50
            QCOMPARE(name->text().size(), 50);
            clickButton(dialog, "cmd_save");
        });
        f.window->lst_forms_DblClick();
        QCOMPARE(f.forms()->item(2)->text(), QString(50, QLatin1Char('n')));
        QCOMPARE(f.window->document().tables().at(0, 3), QString(50, QLatin1Char('n')));
        QVERIFY(f.window->document().dirty());
    }

    void replaceDialogCountsAndStaysOpen()
    {
        Fixture f;
        QVERIFY(writeTables(sampleTables(), f.path("a.lsf")));
        f.openFile(f.path("a.lsf"));
        f.chooseForm(0);
        onModal([&f](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Search and replace"));
            dialog->findChild<QLineEdit*>(QStringLiteral("txt_zoek"))->setText(QStringLiteral("Text"));
            dialog->findChild<QLineEdit*>(QStringLiteral("txt_vervang"))->setText(QStringLiteral("Tekst"));
            clickButton(dialog, "cmd_replace");
            QCOMPARE(f.messenger.shown.last().text, QStringLiteral("4 rows are changed."));
            QCOMPARE(f.rows()->item(0)->text(), QStringLiteral("Tekst 1.0 \u00E9\u20AC")); // shown at once
            clickButton(dialog, "cmd_replace");
            QCOMPARE(f.messenger.shown.last().text, QStringLiteral("0 rows are changed."));
            QVERIFY(dialog->isVisible());
            clickButton(dialog, "cmd_annuleer");
        });
        f.window->Toolbar1_ButtonClick(9);
        QCOMPARE(f.window->document().tables().at(1, 3), QStringLiteral("Tekst 1.3 \u00E9\u20AC"));
    }

    void headerBoxesRefuseWhatAFileCannotHold()
    {
        Fixture f;
        auto* author = f.child<QLineEdit>("txt_naam");
        QTest::keyClicks(author, QStringLiteral("Ann"));
        typeText(author, QStringLiteral("\u00BE"));
        QCOMPARE(author->text(), QStringLiteral("Ann"));
        QCOMPARE(f.messenger.shown.last().text,
                 QStringLiteral("Please remove the \u00BD, \u00BE or \u00BC characters."));
        typeText(author, QStringLiteral("\u4E2D"));
        QCOMPARE(author->text(), QStringLiteral("Ann"));
        QCOMPARE(f.window->document().header(HeaderField::Author), QStringLiteral("Ann"));

        auto* revision = f.child<QLineEdit>("txt_rev");
        QTest::keyClicks(revision, QStringLiteral("1234"));
        QCOMPARE(revision->text(), QStringLiteral("12"));
    }

    void longLoadedHeaderIsNotCutNorGrown()
    {
        Fixture f;
        LanguageTables t = sampleTables();
        t.set(25, 4, QStringLiteral("revision 12"));
        QVERIFY(writeTables(t, f.path("a.lsf")));
        f.openFile(f.path("a.lsf"));
        auto* revision = f.child<QLineEdit>("txt_rev");
        QCOMPARE(revision->text(), QStringLiteral("revision 12"));
        f.window->mnu_save_Click();
        QCOMPARE(loadTables(f.path("a.lsf")).at(25, 4), QStringLiteral("revision 12"));

        // Typing can shorten it, never lengthen it.
        QTest::keyClicks(revision, QStringLiteral("34"));
        QCOMPARE(revision->text(), QStringLiteral("revision 12"));
        QTest::keyClick(revision, Qt::Key_Backspace);
        QTest::keyClicks(revision, QStringLiteral("34"));
        QCOMPARE(revision->text(), QStringLiteral("revision 1"));
    }

    void applicationAndVersionStayReadableAtLargeFonts()
    {
        // With a 13 pt desktop font the left column squeezed the application box
        // to a few letters.
        const QFont before = QApplication::font();
        QFont large = before;
        large.setPointSize(13);
        QApplication::setFont(large);
        Fixture f;
        QApplication::setFont(before);
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        for (const auto& [name, text] : {std::pair{"txt_app", "Dietlens"}, std::pair{"txt_versie", "2.12"}}) {
            auto* box = f.child<QLineEdit>(name);
            QVERIFY(box->width() > box->fontMetrics().horizontalAdvance(QLatin1String(text)) + 6);
        }
    }

    void keysThatChangeNoTextLeaveTheDocumentSaved()
    {
        // Only a real change of a header text counts: moving through the boxes,
        // or the release of the keys that just saved, must not mark the file unsaved.
        Fixture f;
        QVERIFY(writeTables(sampleTables(), f.path("a.lsf")));
        f.openFile(f.path("a.lsf"));
        for (const char* name : {"txt_naam", "txt_date", "txt_rev"})
            for (Qt::Key key : {Qt::Key_Home, Qt::Key_Right, Qt::Key_End, Qt::Key_Return, Qt::Key_Shift})
                QTest::keyClick(f.child<QLineEdit>(name), key);
        QVERIFY(!f.window->document().dirty());
        QVERIFY(!f.action("mnu_save")->isEnabled());
    }

    void codeListingIsWrittenThenOpened()
    {
        Fixture f(QStringLiteral("1"));
        QTest::keyClicks(f.child<QLineEdit>("txt_date"), QStringLiteral("01-06-05"));
        QVERIFY(testsupport::writeAll(f.path("output.txt"), QByteArray("old")));
        f.window->mnu_savecode_Click();
        QCOMPARE(f.messenger.shown.size(), 1);
        QCOMPARE(f.messenger.shown.at(0).text, f.path("output.txt"));
        QCOMPARE(f.messenger.shown.at(0).icon, MessageIcon::NoIcon);
        const QByteArray bytes = testsupport::readAll(f.path("output.txt"));
        QVERIFY(bytes.startsWith("\tF00_lng_(1) = \"- EMPTY FORM - \"\r\n"));
        QVERIFY(bytes.endsWith("\tF00_lng_(24) = \"- EMPTY FORM - \"\r\n\tF25_lng_(3) = \"01-06-05\"\r\n"));
        QCOMPARE(f.opened, QList<QUrl>{QUrl::fromLocalFile(f.path("output.txt"))});
        QVERIFY(f.window->document().dirty()); // the listing does not count as saving
    }

    void toolbarButtonsLookDifferentWhenDisabled()
    {
        // Faded, not only greyed: a grey picture greyed looks the same.
        const auto opacity = [](const QIcon& icon, QIcon::Mode mode) {
            const QImage image = icon.pixmap(QSize(24, 24), 1.0, mode).toImage();
            qint64 sum = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    sum += qAlpha(image.pixel(x, y));
            return sum;
        };
        Fixture f;
        for (int number : {2, 3, 4, 6, 7, 8, 9}) {
            const QByteArray name = "Toolbar1_Button" + QByteArray::number(number);
            const QIcon icon = f.action(name.constData())->icon();
            QVERIFY2(opacity(icon, QIcon::Disabled) * 2 < opacity(icon, QIcon::Normal), name.constData());
        }
    }

    void messageBoxesLeaveRoomForTheirTitle()
    {
        QMessageBox box;
        SetUpMessageBox(box, programTitle(), QStringLiteral("1.6"), MessageIcon::Information,
                        MessageButtons::Ok);
        box.show();
        QFont bold = box.font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        QVERIFY(box.width() >= metrics.horizontalAdvance(programTitle()) + 6 * metrics.height());
    }

    void aboutAndWebSite()
    {
        Fixture f;
        f.window->mnu_about_Click();
        QCOMPARE(f.messenger.shown.at(0).text,
                 QStringLiteral("Quelmar Translator\nVersion: 1.6\nRelease date: 01-06-05\n\n"
                                "http://127.0.0.1:8080/\nhttp://127.0.0.1:8081/\n"));
        f.window->mnu_website_Click();
        QCOMPARE(f.opened, QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.1:8080/"))});
    }
};

QTEST_MAIN(TestTrCore)
#include "test_tr_core.moc"
