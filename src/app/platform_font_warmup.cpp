#include "platform_font_warmup.h"

#ifdef TAVU_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tavu {

FontConfigWarmUp::FontConfigWarmUp() {
#ifdef TAVU_HAVE_FONTCONFIG
    // Loading the configuration is safe from any thread, and Qt's own call afterwards finds
    // it loaded. Qt must not start on fonts before wait(), or both would load it.
    thread_ = std::thread([] { FcInit(); });
#endif
}

FontConfigWarmUp::~FontConfigWarmUp() {
    wait();
}

void FontConfigWarmUp::wait() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace tavu
