// A library of the right file name that lacks the "DEF" entry, for the loader's tests.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) void GET(char* buffer, int32_t size) {
  if (buffer && size > 0) buffer[0] = '\0';
}
