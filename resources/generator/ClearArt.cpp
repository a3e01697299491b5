#include "Artwork.h"

#include "ClassicPalette.h"
#include "PixelMap.h"

#include <string_view>

namespace norvik {

namespace {

// Two white gloves, thumbs out, over a school slate in a wooden frame with a sum chalked on it
// and its answer rubbed out: the gloves keep a black outline for white faces, the frame is light
// enough to stand out from the dark slate face.
// clang-format off
constexpr std::string_view kPixels[] = {
    "................................",
    "................................",
    "........KK............KK........",
    ".....KKKWWK..........KWWKKK.....",
    "....KWWKWWKKK......KKKWWKWWK....",
    "....KWWKWWKWWK....KWWKWWKWWK....",
    "KK..KWWKWWKWWK....KWWKWWKWWK..KK",
    "KWK.KWWKWWKWWK....KWWKWWKWWK.KWK",
    "KWWKKWWKWWKWWK....KWWKWWKWWKKWWK",
    ".KWWKWWWWWWWWKKKKKKWWWWWWWWKWWK.",
    ".KKWWWSWSWSWWKYYYYKWWSWSWSWWWKK.",
    ".KYKWWSWSWSWWKOOOOKWWSWSWSWWKOK.",
    ".KYOKWWWWWWWWKKKKKKWWWWWWWWKOOK.",
    ".KYOKSSSSSSSSKKKKKKSSSSSSSSKOOK.",
    ".KYOKSSSSSSSSKKKKKKSSSSSSSSKOOK.",
    ".KYOKKKKKKKKKKKKKKKKKKKKKKKKOOK.",
    ".KYOKKKKKKKKKKKKKKKKKKKKKKKKOOK.",
    ".KYOKKKKKKKKKKKKKKKKKKKKKKKKOOK.",
    ".KYOKKKKKKKKKKKKKKKKKKKKKKKKOOK.",
    ".KYOKKKWKKKKKKWWKKKKKKKKKKKKOOK.",
    ".KYOKKWWKKKWKKKKWKWWWKKKGGGKOOK.",
    ".KYOKKKWKKWWWKKWKKKKKKGGGGGKOOK.",
    ".KYOKKKWKKKWKKWKKKWWWKGGGKKKOOK.",
    ".KYOKKWWWKKKKKWWWKKKKKKKKKKKOOK.",
    ".KYOKKKKKKKKKKKKKKKKKKKKKKKKOOK.",
    ".KYOKKKKKKKKKKKKKKKKKKKKKKKKOOK.",
    ".KYOKKKKKKKKKKKKKKKKKKKKKKKKOOK.",
    ".KYOOOOOOOOOOOOOOOOOOOOOOOOOOOK.",
    ".KOOOOOOOOOOOOOOOOOOOOOOOOOOOOK.",
    ".KKKKKKKKKKKKKKKKKKKKKKKKKKKKKK.",
    "................................",
    "................................",
};
// clang-format on

} // namespace

QImage drawClear() {
    using namespace classic;
    return PixelMap(kPixels,
                    {
                        {'K', kBlack},
                        {'W', kWhite},
                        {'S', kSilver},
                        {'G', kGrey},
                        {'O', kOlive},
                        {'Y', kYellow},
                    })
        .image();
}

QImage drawClearAtDoubleSize() {
    const QImage image = drawClear();
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace norvik
