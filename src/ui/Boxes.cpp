#include "ui/Boxes.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QShowEvent>
#include <algorithm>

#include "ui/Application.h"
#include "ui/Controls.h"

namespace vokta::ui {

namespace {
BoxHandler* gHandler = nullptr;
}

void SetBoxHandler(BoxHandler* handler) {
    gHandler = handler;
}
BoxHandler* CurrentBoxHandler() {
    return gHandler;
}

namespace {

// A box placed once it has its size: centred over the window that asks and whole on the screen, before
// the window system shows it.
template <typename Dialog>
class Placed : public Dialog {
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent* event) override {
        Dialog::showEvent(event);
        if (!event->spontaneous()) CentreOver(this, this->parentWidget());
    }
};

// The window a box opens over: the one that asks, or, while that one is not on the screen yet (a
// window that asks from its load handler), the window the user is working in.
QWidget* Asker(QWidget* parent) {
    QWidget* window = parent ? parent->window() : nullptr;
    if (window && window->isVisible()) return window;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return window;
}

}  // namespace

void MsgBox(QWidget* parent, const QString& text, const QString& title, MsgIcon icon) {
    parent = Asker(parent);
    if (gHandler) {
        gHandler->message(title, text, icon);
        return;
    }
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
        case MsgIcon::None:
            qtIcon = QMessageBox::NoIcon;
            break;
        case MsgIcon::Warning:
            qtIcon = QMessageBox::Warning;
            break;
        case MsgIcon::Information:
            qtIcon = QMessageBox::Information;
            break;
        case MsgIcon::Critical:
            qtIcon = QMessageBox::Critical;
            break;
    }
    Placed<QMessageBox> box(qtIcon, title, text, QMessageBox::Ok, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

namespace {
SaveFileHandler& SaveHandler() {
    static SaveFileHandler handler;
    return handler;
}
}  // namespace

void SetSaveFileHandler(SaveFileHandler handler) {
    SaveHandler() = std::move(handler);
}

namespace {

// The folder of the last file saved in this session: every save dialog opens there.
QString& LastFolder() {
    static QString folder;
    return folder;
}

// The first extension a file filter names: "cir" of "Схемы SPICE (*.cir);;Все файлы (*)".
QString DefaultSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

}  // namespace

QString WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size() &&
        file.flush() && file.commit())
        return {};
    return file.errorString();
}

QString SaveFileName(QWidget* parent, const QString& title, const QString& fileName, const QString& filter) {
    const QFileInfo proposed(fileName);
    QString folder = LastFolder();
    if (folder.isEmpty())
        folder = fileName.contains(QLatin1Char('/')) ? proposed.absolutePath() : QDir::homePath();
    const QString start = QDir(folder).filePath(proposed.fileName());
    const QString suffix = DefaultSuffix(filter);
    QString path;
    if (SaveHandler()) {
        path = SaveHandler()(title, start);
    } else if (gHandler) {
        return {};  // a script that stands in for the boxes never faces a real dialog
    } else {
        QFileDialog dialog(Asker(parent), title, folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(suffix);
        dialog.selectFile(proposed.fileName());
        if (dialog.exec() != QDialog::Accepted) return {};
        path = dialog.selectedFiles().value(0);
    }
    if (path.isEmpty()) return {};
    if (!suffix.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += (path.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".")) + suffix;
    if (const QFileInfo chosen(path); chosen.absoluteDir().exists()) LastFolder() = chosen.absolutePath();
    return path;
}

namespace {
OpenFileHandler& OpenHandler() {
    static OpenFileHandler handler;
    return handler;
}
}  // namespace

void SetOpenFileHandler(OpenFileHandler handler) {
    OpenHandler() = std::move(handler);
}

QString OpenFileName(QWidget* parent, const QString& title, const QString& filter) {
    QString path;
    if (OpenHandler()) {
        path = OpenHandler()(title);
    } else if (gHandler) {
        return {};  // a script that stands in for the boxes never faces a real dialog
    } else {
        const QString folder = LastFolder().isEmpty() ? QDir::homePath() : LastFolder();
        QFileDialog dialog(Asker(parent), title, folder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted) return {};
        path = dialog.selectedFiles().value(0);
    }
    if (!path.isEmpty()) LastFolder() = QFileInfo(path).absolutePath();
    return path;
}

QString InputBox(QWidget* parent, const QString& prompt, const QString& title, bool* cancelled) {
    parent = Asker(parent);
    std::optional<QString> answer;
    if (gHandler) {
        answer = gHandler->input(prompt, title);
    } else {
        Placed<QInputDialog> dialog(parent);
        dialog.setWindowTitle(title);
        dialog.setLabelText(prompt);
        dialog.setInputMode(QInputDialog::TextInput);
        dialog.setOkButtonText(QStringLiteral("OK"));
        dialog.setCancelButtonText(QStringLiteral("Отмена"));
        if (dialog.exec() == QDialog::Accepted) answer = dialog.textValue();
    }
    if (cancelled) *cancelled = !answer.has_value();
    return answer.value_or(QString());
}

void WarnEmptyFields(QWidget* parent) {
    Warn(parent, QStringLiteral("Необходимо заполнять все доступные поля исходных данных"));
}

void Warn(QWidget* parent, const QString& text, MsgIcon icon) {
    MsgBox(parent, text, QStringLiteral("Предупреждение"), icon);
}

void Refuse(QWidget* parent, const QString& text, QWidget* field) {
    Warn(parent, text);
    if (field) field->setFocus(Qt::OtherFocusReason);
    throw InputRefused{};
}

namespace {

// Field names come from their labels: "Емкость C4, пФ" or "&Частота:" name the field without the
// mnemonic mark and the closing colon.
QString Plain(QString name) {
    name.remove(QLatin1Char('&'));
    name = name.simplified();
    while (name.endsWith(QLatin1Char(':'))) name.chop(1);
    return name;
}

// The text of a text box or of an editable list.
QString FieldText(const QWidget* field) {
    if (const auto* box = qobject_cast<const QLineEdit*>(field)) return box->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(field)) return combo->currentText();
    return {};
}

double ReadTyped(QWidget* parent, QWidget* field, const QString& text, const QString& refusal,
                 const QString& what) {
    try {
        if (const auto value = ParseTypedNumber(text.toStdString(), UserNumberFormat())) return *value;
    } catch (const RuntimeError& e) {
        throw RuntimeError(e.kind(), QStringLiteral("Число «%1» (%2) вне допустимых пределов.")
                                         .arg(text.trimmed(), what)
                                         .toStdString());
    }
    Refuse(parent, refusal, field);
}

}  // namespace

double ReadNumber(QWidget* field, const QString& fieldName) {
    const QString text = FieldText(field);
    const QString name = Plain(fieldName);
    return ReadTyped(
        field->window(), field, text,
        QStringLiteral("В поле «%1» должно быть число, а введено «%2».").arg(name, text.trimmed()),
        QStringLiteral("поле «%1»").arg(name));
}

bool AllFilled(std::initializer_list<const QWidget*> fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const QWidget* field) { return !FieldText(field).isEmpty(); });
}

double ReadAnswer(QWidget* parent, const QString& answer, const QString& question) {
    const QString name = Plain(question);
    return ReadTyped(parent, nullptr, answer,
                     QStringLiteral("Ответ на вопрос «%1» должен быть числом, а введено «%2».")
                         .arg(name, answer.trimmed()),
                     QStringLiteral("ответ на вопрос «%1»").arg(name));
}

QString ErrorSentence(const RuntimeError& error) {
    if (!error.userMessage().empty()) return QString::fromStdString(error.userMessage());
    switch (error.kind()) {
        case ErrorKind::DivisionByZero:
            return QStringLiteral(
                "Расчет прерван: деление на ноль. Проверьте, что исходные данные не равны нулю.");
        case ErrorKind::Overflow:
            return QStringLiteral(
                "Расчет прерван: число вышло за допустимые пределы. Проверьте исходные данные.");
        case ErrorKind::InvalidArgument:
            return QStringLiteral(
                "Расчет прерван: корень или логарифм от недопустимого значения. Проверьте исходные данные.");
        case ErrorKind::TypeMismatch:
            return QStringLiteral("Расчет прерван: введенный текст не является числом.");
    }
    return QStringLiteral("Расчет прерван из-за ошибки.");
}

void ReportRuntimeError(QWidget* parent, const RuntimeError& error) {
    MsgBox(parent, ErrorSentence(error), QStringLiteral("Ошибка"), MsgIcon::Critical);
}

void ReportUnexpectedError(QWidget* parent, const char* what) {
    MsgBox(parent,
           QStringLiteral("Операция прервана из-за внутренней ошибки: %1").arg(QString::fromUtf8(what)),
           QStringLiteral("Ошибка"), MsgIcon::Critical);
}

}  // namespace vokta::ui
