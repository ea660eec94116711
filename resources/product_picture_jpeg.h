// The product picture as the About box carries it: the JPEG that the build encodes from
// DrawProductPicture (scripts/encode-jpeg.py). Its definition is generated into the build tree,
// in the library kovra_product_picture.
#pragma once

#include <cstdint>
#include <span>

namespace kovra::resources {

std::span<const std::uint8_t> ProductPictureJpeg();

}  // namespace kovra::resources
