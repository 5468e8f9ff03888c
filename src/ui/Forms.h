#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace vokta::ui {

// The forms of the program: each window class has at most one loaded instance. Loading a form creates
// its controls in their design state and runs its load handler (Form_Load); unloading destroys the
// controls (its state variables live on in static storage). The program ends when the last loaded
// form is unloaded, checked once control returns to the event loop, so that a handler which unloads
// one form and then shows another does not end it.
class Forms {
public:
    template <typename T>
    static T* Find() {
        return qobject_cast<T*>(Lookup(T::staticMetaObject.className()));
    }

    template <typename T>
    static bool IsLoaded() {
        return Find<T>() != nullptr;
    }

    // The loaded instance, or a new one whose load handler has run (it is not shown).
    template <typename T>
    static T* Load() {
        if (T* form = Find<T>()) return form;
        T* form = new T();
        Register(form);
        if constexpr (requires { form->Form_Load(); }) form->Form_Load();
        return form;
    }

    // Loads the form if needed, shows it modeless and brings it to the front.
    template <typename T>
    static T* Show() {
        T* form = Load<T>();
        if (Find<T>() != form) return nullptr;  // its load handler unloaded it
        form->show();
        form->raise();
        form->activateWindow();
        return form;
    }

    template <typename T>
    static void Unload() {
        Unload(Find<T>());
    }
    static void Unload(QWidget* form);

    static QList<QWidget*> Loaded();

    // What happens when the last form is gone; by default the application quits.
    static void SetLastFormHandler(std::function<void()> handler);

    // The main window, the one every calculator goes back to; the program names it once at start-up,
    // so that the calculators need not know the window that opens them.
    template <typename T>
    static void SetMainForm() {
        SetMainFormHandler([] { Show<T>(); });
    }

    // What every calculator's "Отмена" does: unload the calculator and show the main window, loading
    // it again if it was unloaded.
    static void ReturnToMain(QWidget* calculator);

private:
    static void SetMainFormHandler(std::function<void()> show);
    static QWidget* Lookup(const char* className);
    static void Register(QWidget* form);
};

}  // namespace vokta::ui
