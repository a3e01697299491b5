#pragma once

#include "controls/gdi/geometry/TColor.h"
#include "controls/gradbox/geometry/GradBoxGeometry.h"

#include <QWidget>

#include <cstdint>

namespace norvik {

// A windowless control that fills its bounds with a two-colour gradient of solid bands, running
// left to right or top to bottom in GradStep + 1 steps. Its colours are read as plain RGB.
//
// OnChange fires after every write of a colour or of GradStep, even with an unchanged value,
// and after a write of Direction that changes it.
class TGradBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TColor StartColor READ StartColor WRITE setStartColor)
    Q_PROPERTY(TColor EndColor READ EndColor WRITE setEndColor)
    Q_PROPERTY(std::uint8_t GradStep READ GradStep WRITE setGradStep)
    Q_PROPERTY(gradbox::TGradDirection Direction READ Direction WRITE setDirection)

public:
    using TGradDirection = gradbox::TGradDirection;
    using enum gradbox::TGradDirection;

    explicit TGradBox(QWidget* parent = nullptr);

    TColor StartColor() const { return startColor_; }
    void setStartColor(TColor value);
    TColor EndColor() const { return endColor_; }
    void setEndColor(TColor value);
    std::uint8_t GradStep() const { return gradStep_; }
    void setGradStep(std::uint8_t value);
    TGradDirection Direction() const { return direction_; }
    void setDirection(TGradDirection value);

signals:
    void OnChange(TGradBox* Sender);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The two colours share one writer: index 1 is StartColor, anything else EndColor.
    void setColorByIndex(int index, TColor value);
    void changed();

    TColor startColor_ = clWhite;
    TColor endColor_ = clBlack;
    std::uint8_t gradStep_ = 128;
    TGradDirection direction_ = gdVertical;
};

} // namespace norvik
