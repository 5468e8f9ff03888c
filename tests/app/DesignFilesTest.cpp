// Design files from the windows: each calculator saves with Ctrl+S, and the file named on the command line
// comes up after the splash showing the same results; a refused file changes nothing; a failed save leaves
// the previous file whole; the main menu's open item and recent files.
#include <unistd.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "app/frmSplash.h"
#include "support/WindowDriver.h"
#include "ui/DesignFiles.h"

using namespace vokta::test;
using namespace vokta::ui;

namespace {

// What the open windows show besides their inputs: the visible labels, read-only boxes and table cells.
QStringList Shown() {
    QStringList shown;
    for (QWidget* form : Forms::Loaded()) {
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(form)) continue;
            const QString at = form->objectName() + "." + w->objectName() + "=";
            if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) shown << at + l->text();
            if (auto* e = qobject_cast<QLineEdit*>(w); e && e->isReadOnly()) shown << at + e->text();
            if (auto* t = qobject_cast<QTableWidget*>(w))
                for (int r = 0; r < t->rowCount(); ++r)
                    for (int c = 0; c < t->columnCount(); ++c)
                        if (QTableWidgetItem* cell = t->item(r, c)) shown << at + cell->text();
        }
    }
    shown.sort();
    return shown;
}

// Opens a calculator from the main menu (past its description, where it has one), the main window gone.
QWidget* Open(const QString& item) {
    auto* main = Forms::Show<frmMain>();
    Control<QAction>(main, item)->trigger();
    Settle();
    for (QWidget* w : Forms::Loaded())
        if (w->objectName().startsWith("Dialog")) {
            w->findChild<QPushButton*>()->click();
            break;
        }
    Forms::Unload<frmMain>();
    Settle();
    return Forms::Loaded().value(0);
}

QWidget* Loaded(const QString& name) {
    for (QWidget* w : Forms::Loaded())
        if (w->objectName() == name) return w;
    return nullptr;
}

// What a window's inputs hold: the boxes' and lists' texts, the options and check boxes set.
QStringList Inputs(QWidget* window) {
    QStringList inputs;
    for (QWidget* c : window->findChildren<QWidget*>()) {
        if (auto* box = qobject_cast<QLineEdit*>(c);
            box && !box->objectName().isEmpty() && !box->isReadOnly())
            inputs << box->objectName() + "=" + box->text();
        else if (auto* list = qobject_cast<QComboBox*>(c))
            inputs << list->objectName() + "=" + list->currentText();
        else if (auto* option = qobject_cast<QAbstractButton*>(c); option && option->isCheckable())
            inputs << option->objectName() + "=" + QString::number(option->isChecked());
    }
    return inputs;
}

bool Mount(const QString& dir, const QString& options) {
    return QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", dir}) == 0;
}

}  // namespace

class DesignFilesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void init() {
        UnloadAllForms();
        QSettings(QStringLiteral("Vokta"), QStringLiteral("Vokta")).clear();
        QLocale::setDefault(QLocale::c());
    }
    void cleanup() {
        UnloadAllForms();
        SetSaveFileHandler({});
        SetOpenFileHandler({});
        QLocale::setDefault(QLocale::c());
    }

    void savedDesignOpensFromTheCommandLine_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("choices");  // option buttons clicked, list items chosen ("CmbCore=0")
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("answers");
        QTest::newRow("filter") << "mnuFileFiltr"
                                << "ru_RU" << QStringList{"Option1(1)", "Option2(1)"}
                                << QStringList{"TxtAs=40", "TxtF1=3000,5", "TxtFs=1000"} << QStringList{};
        QTest::newRow("transformer") << "mnuFileTrans"
                                     << "C" << QStringList{"Combo1=2"}
                                     << QStringList{"TxtA=2", "TxtB=2.5", "TxtC=1.2", "TxtH=3"}
                                     << QStringList{"2", "10", "0.5", "5", "0.2"};
        QTest::newRow("toroid") << "mnuFileTrans"
                                << "ru_RU" << QStringList{"Option1(2)"}
                                << QStringList{"TxtA=8", "TxtB=4,5", "TxtH=3"}
                                << QStringList{"1", "12", "0,5"};
        QTest::newRow("band-spread") << "mnuFileContur"
                                     << "C" << QStringList{}
                                     << QStringList{"TxtFmax=3.8",  "TxtFmin=3.5", "TxtL=10",
                                                    "TxtC3max=365", "TxtC3min=10", "TxtC4=10"}
                                     << QStringList{};
        QTest::newRow("three-point") << "mnuFileOscill"
                                     << "ru_RU" << QStringList{}
                                     << QStringList{"TxtFmax=3,8", "TxtFmin=3,5", "TxtL=10",
                                                    "TxtCmax=365", "TxtCmin=10",  "TxtCcp=120"}
                                     << QStringList{};
        QTest::newRow("RF path") << "mnuFileTune"
                                 << "C" << QStringList{"Option2(2)", "CheckAnt", "Combo2=3"}
                                 << QStringList{"TxtFmax=10", "TxtFmin=5", "TxtSel=30", "TxtM=2"}
                                 << QStringList{};
        QTest::newRow("coil") << "mnuFileCoil"
                              << "C" << QStringList{} << QStringList{"TxtL=10", "TxtF=7"} << QStringList{};
        QTest::newRow("air coil") << "mnuFileCoil"
                                  << "ru_RU" << QStringList{"CmbCore=0", "CmbWire=3"}
                                  << QStringList{"TxtL=10", "TxtF=7", "TxtD=20,5"} << QStringList{};
    }
    void savedDesignOpensFromTheCommandLine() {
        QFETCH(QString, item);
        QFETCH(QString, locale);
        QFETCH(QStringList, choices);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, answers);
        QLocale::setDefault(QLocale(locale));
        BoxScript boxes;
        QWidget* w = Open(item);
        QVERIFY(w);
        const QString name = w->objectName();
        for (const QString& choice : choices) {
            if (choice.contains('='))
                Control<QComboBox>(w, choice.section('=', 0, 0))
                    ->setCurrentIndex(choice.section('=', 1).toInt());
            else
                Click(w, choice);
        }
        Fill(w, typed);
        const QStringList inputs = Inputs(w);
        for (const QString& a : answers) boxes.answer(a);
        Click(w, "CmdCalc");
        Settle();
        const QStringList results = Shown();
        QVERIFY(boxes.messages.empty());
        const QString path = dir.filePath(item);  // no extension: the dialog adds it
        SetSaveFileHandler([&](const QString& title, const QString&) {
            return title == "Сохранить расчет" ? path : QString();
        });
        Control<QAction>(w, "ActSave")->trigger();
        VOKTA_VERIFY_BOXES_DONE(boxes);  // the windings were answered for the calculation
        QVERIFY(boxes.messages.empty());
        QVERIFY(QFile::exists(path + ".vokta"));
        QCOMPARE(RecentDesigns().value(0), path + ".vokta");

        // A new start with the file on the command line: the splash, then the calculator, no question asked.
        UnloadAllForms();
        frmSplash::ElapsedMs = 0;
        Module1::Main(path + ".vokta");
        auto* splash = Forms::Find<frmSplash>();
        splash->Timer1->stop();
        for (int step = 0; step < 3; ++step) splash->Timer1_Timer();
        Settle();
        QVERIFY(!Forms::IsLoaded<frmMain>());
        QCOMPARE(Shown(), results);
        VOKTA_VERIFY_BOXES_DONE(boxes);
        QVERIFY(boxes.messages.empty());
        QWidget* reopened = Loaded(name);
        QVERIFY(reopened);
        QCOMPARE(Inputs(reopened), inputs);
    }

    // A refused file is named with what is wrong; the window it was opened from keeps what is typed.
    void refusedFileChangesNothing() {
        const QString path = dir.filePath("чужой.vokta");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "vokta-design", "version": 7, "calculator": "coil", "inputs": {}})");
        file.close();
        BoxScript boxes;
        QWidget* w = Open("mnuFileTune");
        Fill(w, {"TxtFmax=10", "TxtSel=3"});
        SetOpenFileHandler([&](const QString&) { return path; });
        Control<QAction>(w, "ActOpen")->trigger();
        QCOMPARE(boxes.messageTexts(),
                 QStringList(
                     "Предупреждение|Файл «" + path +
                     "» не открыт: он записан более новой версией программы (версия файла 7, а эта программа "
                     "открывает версии до 1)."));
        QCOMPARE(Forms::Loaded(), QList<QWidget*>{w});
        QCOMPARE(Text(w, "TxtFmax"), QString("10"));
        QCOMPARE(Text(w, "TxtSel"), QString("3"));
        // A value the calculator refuses is not saved: the file could not be opened again.
        boxes.clear();
        Fill(w, {"TxtFmin=20"});
        SetSaveFileHandler([&](const QString&, const QString&) { return dir.filePath("never"); });
        Control<QAction>(w, "ActSave")->trigger();
        QCOMPARE(boxes.messages.size(), size_t(1));
        QVERIFY(boxes.messages[0].text.startsWith("Расчет не сохранен: "));
        QVERIFY(!QFile::exists(dir.filePath("never.vokta")));
    }

    // The main menu: "Открыть расчет…" before the line, the recent files after it; one opens its calculator.
    void mainMenuOpensRecentFiles() {
        BoxScript boxes;
        QWidget* w = Open("mnuFileContur");
        Fill(w, {"TxtFmax=3.8", "TxtFmin=3.5", "TxtL=10", "TxtC3max=365", "TxtC3min=10", "TxtC4=10"});
        const QString path = dir.filePath("контур & C.vokta");
        SetSaveFileHandler([&](const QString&, const QString&) { return path; });
        Control<QAction>(w, "ActSave")->trigger();
        UnloadAllForms();
        auto* main = Forms::Show<frmMain>();
        QMenu* file = main->menuBar()->actions().at(0)->menu();
        emit file->aboutToShow();
        QStringList items;
        for (QAction* a : file->actions())
            if (a->isVisible())
                items << (a->isSeparator() ? QString("-") : a->objectName() + "=" + a->text());
        QCOMPARE(items.mid(6),
                 QStringList({"mnuFileOpen=&Открыть расчет…", "-", "mnuFileRecent0=&1 контур && C.vokta", "-",
                              "mnuFileExit=&Выход"}));
        QCOMPARE(Control<QAction>(main, "mnuFileOpen")->shortcut(), QKeySequence("Ctrl+O"));
        Control<QAction>(main, "mnuFileRecent0")->trigger();
        Settle();
        QCOMPARE(Forms::Loaded().size(), 1);
        QCOMPARE(Forms::Loaded()[0]->objectName(), QString("frmKontur1"));
        QCOMPARE(Text(Forms::Loaded()[0], "LblC1").isEmpty(), false);
        QVERIFY(boxes.messages.empty());
    }

    // A write that fails (a read-only file system, a full one) is reported with the file's name and the
    // system's reason, and the previous file stays as it was.
    void failedSaveKeepsThePreviousFile_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("read-only") << "ro";
        QTest::newRow("full") << "full";
    }
    void failedSaveKeepsThePreviousFile() {
        QFETCH(QString, how);
        const QString mount = dir.filePath("mnt-" + how);
        QDir().mkpath(mount);
        if (!Mount(mount, "size=64k")) QSKIP("this test needs to mount a small tmpfs (root)");
        auto unmount = qScopeGuard([&] { QProcess::execute("umount", {mount}); });
        const QString path = mount + "/катушка.vokta";
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("прежний расчет");
        old.close();
        if (how == "ro") {
            QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", mount}), 0);
        } else {
            // Every block of it taken (dd ends with "No space left on device").
            QProcess::execute(
                "dd", {"if=/dev/zero", "of=" + mount + "/filler", "bs=1024", "count=1024", "status=none"});
        }
        BoxScript boxes;
        QWidget* w = Open("mnuFileCoil");
        Fill(w, {"TxtL=10", "TxtF=7"});
        SetSaveFileHandler([&](const QString&, const QString&) { return path; });
        Control<QAction>(w, "ActSave")->trigger();
        QCOMPARE(boxes.messages.size(), size_t(1));
        QCOMPARE(boxes.messages[0].title, QString("Ошибка"));
        // The system's reason follows the file's name.
        const QString prefix = "Расчет не сохранен в файл «" + path + "»: ";
        QVERIFY2(
            boxes.messages[0].text.startsWith(prefix) && boxes.messages[0].text.size() > prefix.size() + 5,
            qPrintable(boxes.messages[0].text));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(old.readAll()), QString("прежний расчет"));
        QCOMPARE(QDir(mount).entryList(QDir::Files | QDir::Hidden).size(),
                 how == "ro" ? 1 : 2);  // no leftovers
    }
};

VOKTA_UI_TEST_MAIN(DesignFilesTest)
#include "DesignFilesTest.moc"
