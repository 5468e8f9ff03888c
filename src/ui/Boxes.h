#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>

#include "base/RuntimeError.h"

class QWidget;

namespace vokta::ui {

enum class MsgIcon { None, Warning, Information, Critical };

// A modal message box with one OK button.
void MsgBox(QWidget* parent, const QString& text, const QString& title, MsgIcon icon);

// A modal text-input box with prompt and title and no default text. Returns the typed text, or the
// empty text on Cancel; *cancelled (when given) tells the two apart.
QString InputBox(QWidget* parent, const QString& prompt, const QString& title, bool* cancelled = nullptr);

// Qt's modal "save as" dialog for the files of 'filter', proposing the name of 'fileName' in the folder
// where the user last saved a file in this session (before that, in the folder of 'fileName', or the home
// folder for a bare name). A name chosen without an extension gets the first one of the filter
// ("схема" becomes "схема.cir" for "Схемы SPICE (*.cir)"). Returns the chosen path, or the empty text
// when the dialog is cancelled.
QString SaveFileName(QWidget* parent, const QString& title, const QString& fileName, const QString& filter);
// Tests answer the dialog instead: the handler gets the title and the proposed path and returns the
// path (empty: cancelled), which then goes on as the dialog's would. An empty handler restores the real
// dialog; while a BoxHandler stands in for the boxes and no handler answers, the dialog is cancelled.
using SaveFileHandler = std::function<QString(const QString& title, const QString& fileName)>;
void SetSaveFileHandler(SaveFileHandler handler);

// Writes the bytes as the file's whole content, atomically: into a file of its own beside the old one,
// which replaces the old one only when everything is written (on a full disk or in a read-only folder the
// old file stays as it was). Unbuffered, so that a full disk fails the write itself: QSaveFile does not
// see a buffered write that fails only when the file is closed, and would put an empty file in place of
// the old one. Returns the empty text on success, else the system's reason.
QString WriteWholeFile(const QString& path, const QByteArray& bytes);

// Qt's modal "open" dialog for the files of 'filter', in the folder of the last file saved or opened in
// this session (the home folder before that). Returns the chosen path, or the empty text when cancelled.
QString OpenFileName(QWidget* parent, const QString& title, const QString& filter);
// Tests answer it instead (the handler gets the title), as SetSaveFileHandler does for the save dialog.
using OpenFileHandler = std::function<QString(const QString& title)>;
void SetOpenFileHandler(OpenFileHandler handler);

// The shared warning that a needed field of the source data is empty.
void WarnEmptyFields(QWidget* parent);
// Whether every field (a text box or an editable list) holds text; a text of blanks counts as filled.
bool AllFilled(std::initializer_list<const QWidget*> fields);

// A warning box: title "Предупреждение", the exclamation icon (unless told otherwise), one OK button.
void Warn(QWidget* parent, const QString& text, MsgIcon icon = MsgIcon::Warning);

// Thrown once the user has been told why a calculation cannot start (a field that is not a number, a
// value out of its domain): Guarded ends the operation quietly, everything typed stays as it was.
struct InputRefused {};

// Warns with the text, puts the focus on the field (when given) and ends the operation by InputRefused.
[[noreturn]] void Refuse(QWidget* parent, const QString& text, QWidget* field = nullptr);

// Reads the number typed into a text box or an editable list. A text that is not a whole number in the
// user's format is refused by a warning that names the field and the text; a number beyond the double
// range is an Overflow error that names the field.
double ReadNumber(QWidget* field, const QString& fieldName);
// The same for an answer typed into an input box; the warning quotes the question.
double ReadAnswer(QWidget* parent, const QString& answer, const QString& question);

// The Russian sentence shown for a run-time error: its own user message, or one that names the kind.
QString ErrorSentence(const RuntimeError& error);

// Shows a run-time error as a critical box titled "Ошибка".
void ReportRuntimeError(QWidget* parent, const RuntimeError& error);

// Runs one operation of an event handler; a run-time error (or any other exception) ends it with a
// critical box, and nothing escapes into the event loop. Returns whether the operation completed.
template <typename F>
bool Guarded(QWidget* parent, F&& operation);

// Tests replace the real boxes by a script: every box is then handed to the handler instead.
class BoxHandler {
public:
    virtual ~BoxHandler() = default;
    virtual void message(const QString& title, const QString& text, MsgIcon icon) = 0;
    // The answer to an input box; std::nullopt stands for Cancel.
    virtual std::optional<QString> input(const QString& prompt, const QString& title) = 0;
};
void SetBoxHandler(BoxHandler* handler);  // nullptr restores the real boxes
BoxHandler* CurrentBoxHandler();

void ReportUnexpectedError(QWidget* parent, const char* what);

template <typename F>
bool Guarded(QWidget* parent, F&& operation) {
    try {
        operation();
        return true;
    } catch (const InputRefused&) {
    } catch (const RuntimeError& e) {
        ReportRuntimeError(parent, e);
    } catch (const std::exception& e) {
        ReportUnexpectedError(parent, e.what());
    }
    return false;
}

}  // namespace vokta::ui
