#include "Artwork.h"

#include "ClassicPalette.h"
#include "PixelMap.h"

#include <string_view>

namespace norvik {

namespace {

// A blue arrow runs from the left into a dark doorway whose door stands open towards the viewer.
// The arrow's aqua edge and the silver door frame carry the shapes on the dark slate face, where
// blue and black alone would sink.
// clang-format off
constexpr std::string_view kPixels[] = {
    "...............................K",
    "............KKKKKKKKKKKKKK....KK",
    "............KWWWWWWWWWWWSK..KKOK",
    "............KWSSSSSSSSSSSK.KYOOK",
    "............KWSKKKKKKKKSSKKYOOOK",
    "............KWSKKKKKKKKSSKYOOOOK",
    "............KWSKKKKKKKKSSKYOOOOK",
    "............KWSKKKKKKKKSSKYOOOOK",
    "........K...KWSKKKKKKKKSSKYOOOOK",
    "........KK..KWSKKKKKKKKSSKYOOOOK",
    "........KAK.KWSKKKKKKKKSSKYOOOOK",
    "........KABK.WSKKKKKKKKSSKYOOOOK",
    "KKKKKKKKKABBKWSKKKKKKKKSSKYOOOOK",
    "KAAAAAAAAABBBKSKKKKKKKKSSKYOOYOK",
    "KABBBBBBBBBBBBKKKKKKKKKSSKYOOYOK",
    "KABBBBBBBBBBBBBKKKKKKKKSSKYOOOOK",
    "KABBBBBBBBBBBBBBKKKKKKKSSKYOOOOK",
    "KABBBBBBBBBBBBBKKKKKKKKSSKYOOOOK",
    "KABBBBBBBBBBBBKKKKKKKKKSSKYOOOOK",
    "KNNNNNNNNNBBBKSKKKKKKKKSSKYOOOOK",
    "KKKKKKKKKNBBKWSKKKKKKKKSSKYOOOOK",
    "........KNBK.WSKKKKKKKKSSKYOOOOK",
    "........KNK.KWSKKKKKKKKSSKYOOOOK",
    "........KK..KWSKKKKKKKKSSKYOOOOK",
    "........K...KWSKKKKKKKKSSKYOOOOK",
    "............KWSKKKKKKKKSSKYOOOOK",
    "............KWSKKKKKKKKSSKYOOOOK",
    "............KWSKKKKKKKKSSKKYOOOK",
    "............KWSKKKKKKKKSSK.KYOOK",
    "............KWSSSSSSSSSSSK..KKOK",
    "............KKKKKKKKKKKKKK....KK",
    "...............................K",
};
// clang-format on

} // namespace

QImage drawExit() {
    using namespace classic;
    return PixelMap(kPixels,
                    {
                        {'K', kBlack},
                        {'W', kWhite},
                        {'S', kSilver},
                        {'O', kOlive},
                        {'Y', kYellow},
                        {'A', kAqua},
                        {'B', kBlue},
                        {'N', kNavy},
                    })
        .image();
}

QImage drawExitAtDoubleSize() {
    const QImage image = drawExit();
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace norvik
