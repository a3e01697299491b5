#pragma once

#include <QObject>

namespace norvik {

// The themed-controls component: placed on a form, it has the desktop draw the standard
// controls with its visual style. Unlike the visual-style component it checks nothing about
// where it is placed.
class TXPManifest : public QObject {
    Q_OBJECT

public:
    explicit TXPManifest(QObject* owner);
};

} // namespace norvik
