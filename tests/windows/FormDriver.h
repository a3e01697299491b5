#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QWidget>

#include <ostream>
#include <stdexcept>

// Lets test failures show Qt strings as text. It stays in the global namespace, QString's own,
// where Google Test's printer finds it.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace norvik {

// Drives a real main window the way a clerk does: keys go to whatever has the focus, fields are
// read by the names the layout gives them.
class FormDriver {
public:
    explicit FormDriver(QWidget& form)
        : form_(form) {}

    // Shows the window and waits until it is the active one, as after the program starts.
    bool showAndActivate() {
        form_.show();
        QApplication::setActiveWindow(&form_);
        return QTest::qWaitForWindowActive(&form_);
    }

    void type(const QString& keys) { QTest::keyClicks(focused(), keys); }

    // A request as a clerk makes it: salary, Enter, dependents, Enter, starting in the salary
    // edit. The window is made active first: a message box closed a moment ago may have left
    // it inactive offscreen.
    void enterSalaryAndDependents(const QString& salary, const QString& dependents) {
        showAndActivate();
        widget<QWidget>("NValEdit3")->setFocus();
        type(salary);
        press(Qt::Key_Return);
        type(dependents);
        press(Qt::Key_Return);
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focused(), key, modifiers);
    }

    void click(const char* name) { QTest::mouseClick(widget<QWidget>(name), Qt::LeftButton); }

    // A right click on a named control, as the desktop delivers it.
    void rightClick(const char* name) {
        QWidget* target = widget<QWidget>(name);
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &click);
    }

    QString text(const char* field) const { return widget<QLabel>(field)->text(); }

    template <typename W>
    W* widget(const char* name) const {
        W* found = form_.findChild<W*>(QString::fromLatin1(name));
        if (found == nullptr) {
            throw std::logic_error(std::string("the window has no ") + name);
        }
        return found;
    }

    // The first panel of the status bar, found the way any program can find it.
    QString statusPanelText() const {
        const auto* bar = form_.findChild<QStatusBar*>();
        if (bar == nullptr) {
            throw std::logic_error("the window has no status bar");
        }
        const auto* panel = bar->findChild<QLabel*>(QStringLiteral("StatusPanel0"));
        if (panel == nullptr) {
            throw std::logic_error("the status bar has no first panel");
        }
        return panel->text();
    }

    QString focusName() const {
        const QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }

private:
    QWidget* focused() const {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus : &form_;
    }

    QWidget& form_;
};

} // namespace norvik
