#pragma once

#include <QObject>

// The visual-style component: placed on a form, it only checks where it is placed. The styles
// themselves are switched on by the program (VisualStyles) and, on Windows, by the manifest
// that travels with this unit.
//
// Construction throws std::runtime_error when the owner is not a form ("Control parent must be
// a form!") and when the form already holds one ("Only one instance of TWinXP allowed on
// form").
class TWinXP : public QObject {
    Q_OBJECT

public:
    explicit TWinXP(QObject* owner);
};
