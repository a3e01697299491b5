#pragma once

#include <QObject>

namespace norvik {

// The visual-style component: placed on a form, it has the desktop draw the standard controls
// with its visual style, as the manifest that travels with this unit does on Windows. Unlike the
// themed-controls component it checks where it is placed, and switches the styles on only once
// it is accepted.
//
// Construction throws std::runtime_error when the owner is not a form ("Control parent must be
// a form!") and when the form already holds one ("Only one instance of TWinXP allowed on
// form").
class TWinXP : public QObject {
    Q_OBJECT

public:
    explicit TWinXP(QObject* owner);
};

} // namespace norvik
