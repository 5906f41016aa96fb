/* A library that offers only the first of the engine's two factories. */
#include <stddef.h>

__attribute__((visibility("default"))) void* NEW_ENCODERY(void) { return NULL; }
