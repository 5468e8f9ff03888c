#include "ui/DesignFiles.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSignalBlocker>
#include <vector>

#include "ui/Application.h"
#include "ui/Boxes.h"

namespace vokta::ui {

namespace {

struct DesignWindow {
    const vokta::DesignKind* kind;
    std::function<QWidget*()> show;
    DesignCalculation calculate;
};

std::vector<DesignWindow>& Windows() {
    static std::vector<DesignWindow> windows;
    return windows;
}

constexpr int kRecentCount = 5;
const QString kRecentKey = QStringLiteral("recentDesigns");

QSettings Settings() {
    return QSettings(QStringLiteral("Vokta"), QStringLiteral("Vokta"));
}

void AddRecent(const QString& path) {
    QStringList recent = RecentDesigns();
    const QString file = QFileInfo(path).absoluteFilePath();
    recent.removeAll(file);
    recent.prepend(file);
    Settings().setValue(kRecentKey, recent.mid(0, kRecentCount));
}

// A reason as the end of a sentence: its first letter small, no full stop ("значение поля … больше нуля").
QString Phrase(const std::string& message) {
    QString phrase = QString::fromStdString(message).trimmed();
    if (!phrase.isEmpty()) phrase[0] = phrase[0].toLower();
    while (phrase.endsWith(QLatin1Char('.'))) phrase.chop(1);
    return phrase;
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString OptionName(const vokta::DesignInput& input, int index) {
    return QStringLiteral("%1(%2)").arg(QString::fromStdString(input.name)).arg(index);
}

std::optional<vokta::DesignFault> Refusal(const vokta::DesignKind& kind, const vokta::DesignRecord& record) {
    try {
        if (kind.refusal) return kind.refusal(record);
    } catch (const vokta::DesignFault& fault) {
        return fault;
    }
    return std::nullopt;
}

}  // namespace

QString DesignFileFilter() {
    return QStringLiteral("Расчеты Vokta (*.vokta)");
}

void AddDesignWindow(const vokta::DesignKind& kind, std::function<QWidget*()> show,
                     DesignCalculation calculate) {
    for (DesignWindow& window : Windows())
        if (window.kind->id == kind.id) {
            window = {&kind, std::move(show), std::move(calculate)};
            return;
        }
    Windows().push_back({&kind, std::move(show), std::move(calculate)});
}

vokta::DesignRecord TakeDesign(QWidget* window, const vokta::DesignKind& kind) {
    vokta::DesignRecord record;
    record.calculator = kind.id;
    const vokta::NumberFormat format = UserNumberFormat();
    for (const vokta::DesignInput& input : kind.inputs) {
        const QString name = QString::fromStdString(input.name);
        switch (input.kind) {
            case vokta::DesignInputKind::Text: {
                QWidget* control = window->findChild<QWidget*>(name);
                std::string text;
                if (auto* box = qobject_cast<QLineEdit*>(control))
                    text = vokta::FileNumberText(box->text().toStdString(), format);
                else if (auto* list = qobject_cast<QComboBox*>(control); list && list->isEditable())
                    text = vokta::FileNumberText(list->currentText().toStdString(), format);
                else if (list)
                    text = list->currentData().toString().toStdString();  // a fixed list: its item's key
                record.texts[input.name] = text;
                break;
            }
            case vokta::DesignInputKind::Choice:
                record.choices[input.name] = 0;
                for (int i = 0; i < input.choices; ++i)
                    if (auto* option = window->findChild<QRadioButton*>(OptionName(input, i));
                        option && option->isChecked())
                        record.choices[input.name] = i;
                break;
            case vokta::DesignInputKind::Flag:
                if (auto* check = window->findChild<QCheckBox*>(name))
                    record.flags[input.name] = check->isChecked();
                break;
        }
    }
    return record;
}

void FillDesign(QWidget* window, const vokta::DesignKind& kind, const vokta::DesignRecord& record) {
    for (const vokta::DesignInput& input : kind.inputs) {
        const QString name = QString::fromStdString(input.name);
        if (input.kind == vokta::DesignInputKind::Choice) {
            if (auto* option =
                    window->findChild<QRadioButton*>(OptionName(input, record.choices.at(input.name))))
                option->setChecked(true);
        } else if (input.kind == vokta::DesignInputKind::Flag) {
            if (auto* check = window->findChild<QCheckBox*>(name))
                check->setChecked(record.flags.at(input.name));
        }
    }
    const vokta::NumberFormat format = UserNumberFormat();
    for (const vokta::DesignInput& input : kind.inputs) {
        if (input.kind != vokta::DesignInputKind::Text) continue;
        const std::string& stored = record.texts.at(input.name);
        QWidget* control = window->findChild<QWidget*>(QString::fromStdString(input.name));
        const QString shown = QString::fromStdString(vokta::ShownNumberText(stored, format));
        if (auto* box = qobject_cast<QLineEdit*>(control)) {
            const QSignalBlocker restoring(box);
            box->setText(shown);
        } else if (auto* list = qobject_cast<QComboBox*>(control); list && list->isEditable()) {
            // An item of the list as it is written there (some lists write their numbers with a point).
            int item = list->findText(shown);
            if (item < 0) item = list->findText(QString::fromStdString(stored));
            if (item >= 0) list->setCurrentIndex(item);
            list->setEditText(item >= 0 ? list->itemText(item) : shown);
        } else if (list) {
            // The first item with that key (the air core's key is empty, and so is a separator's).
            for (int item = 0; item < list->count(); ++item)
                if (list->itemData(item).toString().toStdString() == stored) {
                    list->setCurrentIndex(item);
                    break;
                }
        }
    }
}

void UseDesignKeys(QWidget* window, const vokta::DesignKind& kind,
                   std::function<bool(vokta::DesignRecord&)> complete) {
    auto* save = new QAction(window);
    save->setObjectName(QStringLiteral("ActSave"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    auto* open = new QAction(window);
    open->setObjectName(QStringLiteral("ActOpen"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    for (QAction* action : {save, open}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
    QObject::connect(save, &QAction::triggered, window, [window, &kind, complete] {
        Guarded(window, [&] { SaveDesign(window, kind, complete); });
    });
    QObject::connect(open, &QAction::triggered, window,
                     [window] { Guarded(window, [&] { OpenDesign(window); }); });
}

bool SaveDesign(QWidget* window, const vokta::DesignKind& kind,
                std::function<bool(vokta::DesignRecord&)> complete) {
    vokta::DesignRecord record = TakeDesign(window, kind);
    // Only what can be opened again is saved: the calculator's own checks come first.
    auto refused = [&] {
        const auto fault = Refusal(kind, record);
        if (!fault) return false;
        Warn(window, QStringLiteral("Расчет не сохранен: %1.").arg(Phrase(fault->message)));
        if (auto* field = window->findChild<QWidget*>(QString::fromStdString(fault->input)))
            field->setFocus(Qt::OtherFocusReason);
        return true;
    };
    if (refused()) return false;
    if (complete && (!complete(record) || refused())) return false;
    QString proposed = window->property("designFile").toString();
    if (proposed.isEmpty()) proposed = QString::fromStdString(kind.title) + QStringLiteral(".vokta");
    const QString path =
        SaveFileName(window, QStringLiteral("Сохранить расчет"), proposed, DesignFileFilter());
    if (path.isEmpty() || !WriteDesignFile(window, path, record, kind)) return false;
    window->setProperty("designFile", path);
    AddRecent(path);
    return true;
}

bool WriteDesignFile(QWidget* window, const QString& path, const vokta::DesignRecord& record,
                     const vokta::DesignKind& kind) {
    const QString failure = WriteWholeFile(path, QByteArray::fromStdString(vokta::WriteDesign(record, kind)));
    if (failure.isEmpty()) return true;
    MsgBox(window, QStringLiteral("Расчет не сохранен в файл «%1»: %2.").arg(Native(path), failure),
           QStringLiteral("Ошибка"), MsgIcon::Critical);
    return false;
}

bool OpenDesign(QWidget* asker) {
    const QString path = OpenFileName(asker, QStringLiteral("Открыть расчет"), DesignFileFilter());
    return !path.isEmpty() && OpenDesignFile(asker, path);
}

bool OpenDesignFile(QWidget* asker, const QString& path) {
    auto refuse = [&](const QString& why) {
        Warn(asker, QStringLiteral("Файл «%1» не открыт: %2.").arg(Native(path), why));
        return false;
    };
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("его не удалось прочитать (%1)")
                          .arg(QFileInfo(path).isDir() ? QStringLiteral("это папка") : file.errorString()));
    // A design is small: more than the largest one is read only far enough to be refused.
    const QByteArray bytes = file.read(qint64(vokta::kMaxDesignBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(QStringLiteral("его не удалось прочитать (%1)").arg(file.errorString()));
    std::vector<const vokta::DesignKind*> kinds;
    for (const DesignWindow& window : Windows()) kinds.push_back(window.kind);
    const vokta::DesignReading reading =
        vokta::ReadDesign(std::string_view(bytes.constData(), size_t(bytes.size())), kinds);
    if (!reading.record) return refuse(Phrase(reading.fault.message));
    for (const DesignWindow& entry : Windows()) {
        if (entry.kind->id != reading.record->calculator) continue;
        QWidget* window = entry.show();
        if (!window) return false;
        FillDesign(window, *entry.kind, *reading.record);
        window->setProperty("designFile", path);
        AddRecent(path);
        if (entry.calculate) entry.calculate(window, *reading.record);
        return true;
    }
    return false;
}

QStringList RecentDesigns() {
    return Settings().value(kRecentKey).toStringList().mid(0, kRecentCount);
}

}  // namespace vokta::ui
