#pragma once

// Saving and opening designs (base/DesignFile.h) from the windows: Ctrl+S and Ctrl+O in every calculator
// window, the file dialogs, the atomic write, the refusals, and the list of recent files.

#include <QString>
#include <QStringList>
#include <functional>

#include "base/DesignFile.h"

class QWidget;

namespace vokta::ui {

// What a window does with an opened record once its inputs are filled in: calculate as its button does.
using DesignCalculation = std::function<void(QWidget* window, const vokta::DesignRecord& record)>;

// Names the window of a kind: `show` loads and shows it (nullptr when it could not), `calculate` runs
// once the inputs are filled. The program names each calculator once at start-up (Module1::LinkForms).
void AddDesignWindow(const vokta::DesignKind& kind, std::function<QWidget*()> show,
                     DesignCalculation calculate);

// Gives a calculator window Ctrl+S (save its design) and Ctrl+O (open a design of any calculator).
// `complete` adds what the controls do not hold (the transformer's windings) and returns false when the
// user cancels; without it the controls are the whole design.
void UseDesignKeys(QWidget* window, const vokta::DesignKind& kind,
                   std::function<bool(vokta::DesignRecord&)> complete = {});

// The design the window's controls hold, named as the kind's inputs: texts of boxes and editable lists
// (numbers in the file's format), the data of a fixed list, the chosen option of "Name(i)", check boxes.
vokta::DesignRecord TakeDesign(QWidget* window, const vokta::DesignKind& kind);
// Fills the window's controls from a record, options and check boxes first (their handlers run), then the
// texts (as restored, not typed: the boxes' change handlers do not run).
void FillDesign(QWidget* window, const vokta::DesignKind& kind, const vokta::DesignRecord& record);

// Ctrl+S: the window's design, checked as the calculator checks it (a refusal names the field and puts
// the focus there), saved through the save dialog. Returns whether it was saved.
bool SaveDesign(QWidget* window, const vokta::DesignKind& kind,
                std::function<bool(vokta::DesignRecord&)> complete = {});
// Writes a design file atomically: a failed write leaves the file as it was and is reported with the
// file's name and the system's reason. Returns whether it was written.
bool WriteDesignFile(QWidget* window, const QString& path, const vokta::DesignRecord& record,
                     const vokta::DesignKind& kind);

// Ctrl+O and the main window's "Открыть расчет…": the open dialog, then OpenDesignFile.
bool OpenDesign(QWidget* asker);
// Opens a design file: its calculator's window shows with the inputs filled in and calculates. A file
// that cannot be read or is refused is named in a warning over `asker`, and nothing changes.
bool OpenDesignFile(QWidget* asker, const QString& path);

// The files last saved or opened, the latest first, at most five.
QStringList RecentDesigns();

// The file dialogs' filter of design files.
QString DesignFileFilter();

}  // namespace vokta::ui
