// Registers this library's windows (see the dispatcher / the splash's list).
#pragma once

namespace pravo {

void RegistraEditores();

}  // namespace pravo
