#pragma once

#include "controls/boxlabl/CustomBoxLabel.h"

namespace norvik {

// The box label the layouts place: it publishes the properties of TCustomBoxLabel.
class TBoxLabel : public TCustomBoxLabel {
    Q_OBJECT
    Q_PROPERTY(toolkit::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(
        boxlabl::THorizontalAlignment HorizontalAlign READ HorizontalAlign WRITE setHorizontalAlign)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int TextBorder READ TextBorder WRITE setTextBorder)
    Q_PROPERTY(boxlabl::TBevelStyle BevelInner READ BevelInner WRITE setBevelInner)
    Q_PROPERTY(boxlabl::TBevelStyle BevelOuter READ BevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE setBevelWidth)
    Q_PROPERTY(QString FormatString READ FormatString WRITE setFormatString)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(TColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
    Q_PROPERTY(boxlabl::TBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(std::int8_t Decimals READ Decimals WRITE setDecimals)

public:
    using TCustomBoxLabel::TCustomBoxLabel;
};

} // namespace norvik
