// SPDX-License-Identifier: MIT
#include "fontconfigahead.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <clocale>
#include <cstdlib>
#include <system_error>

namespace loopcalc::shell {

FontConfigAhead::FontConfigAhead()
{
    // Started by a desktop with a start-up notice, the application's
    // constructor takes the notice out of the environment, which would move
    // the environment's entries under this thread reading them (the home
    // folder, the configuration's own variables): then the configuration is
    // read when the first font is asked for, as without this.
    if (std::getenv("DESKTOP_STARTUP_ID") != nullptr || std::getenv("XDG_ACTIVATION_TOKEN") != nullptr) {
        return;
    }
#ifdef M_ARENA_MAX
    // One heap for every thread: a heap of the reading thread's own would
    // keep some 150 KiB for the program's life, for what it read. The
    // program's other threads are brief helpers.
    mallopt(M_ARENA_MAX, 1);
#endif
    try {
        // The toolkit's own first call finds the configuration made and
        // returns at once.
        m_thread = std::thread([] {
            // The numbers in the rules are read in a C locale of this
            // thread's own: the toolkit sets the process's locale meanwhile.
            locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
            if (c != nullptr) {
                uselocale(c);
            }
            FcInit();
            if (c != nullptr) {
                uselocale(LC_GLOBAL_LOCALE);
                freelocale(c);
            }
        });
    } catch (const std::system_error&) {
        // No thread to spare: the configuration is read when the first font
        // is asked for, as without this.
    }
}

FontConfigAhead::~FontConfigAhead()
{
    wait();
}

void FontConfigAhead::wait()
{
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

}  // namespace loopcalc::shell
