/* INI file object of Reelvise, callable from C and from any language that
 * can follow a table of function pointers. The program exports the two
 * factories NEW_ZTINI and NEW_00_ZTINI.
 *
 * An object is a struct whose first member points to its table of
 * operations; every operation takes the object first. Texts are
 * NUL-terminated UTF-8; booleans are one byte (0 = false). */
#ifndef REELVISE_ZTINI_H
#define REELVISE_ZTINI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef uint8_t ZTBOOL;

typedef struct I_ZTUNKNOWN I_ZTUNKNOWN;
typedef struct I_ZTINI I_ZTINI;

/* Positions 0 to 2: shared by every object of this family. */
typedef struct I_ZTUNKNOWN_TABLE {
  void (*Destroy)(I_ZTUNKNOWN* self, ZTBOOL freeMemory); /* 0 */
  void (*Release)(I_ZTUNKNOWN* self);                    /* 1 */
  ZTBOOL (*Init)(I_ZTUNKNOWN* self);                     /* 2 */
} I_ZTUNKNOWN_TABLE;

struct I_ZTUNKNOWN {
  const I_ZTUNKNOWN_TABLE* table;
};

typedef struct I_ZTINI_TABLE {
  void (*Destroy)(I_ZTINI* self, ZTBOOL freeMemory); /* 0 */
  void (*Release)(I_ZTINI* self);                    /* 1 */
  ZTBOOL (*Init)(I_ZTINI* self);                     /* 2 */
  ZTBOOL (*SelfTest)(I_ZTINI* self);                 /* 3 */
  ZTBOOL (*SetFile)(I_ZTINI* self, const char* name); /* 4 */
  ZTBOOL (*GetString)(I_ZTINI* self, const char* key, const char* defaultText,
                      char* buffer, int32_t bufferSize); /* 5 */
  ZTBOOL (*SetString)(I_ZTINI* self, const char* key, const char* value); /* 6 */
  int32_t (*GetInt)(I_ZTINI* self, const char* key, int32_t defaultValue); /* 7 */
  ZTBOOL (*SetInt)(I_ZTINI* self, const char* key, int32_t value);         /* 8 */
} I_ZTINI_TABLE;

struct I_ZTINI {
  const I_ZTINI_TABLE* table;
};

/* A new object; the caller ends it with Release. Null when it could not be
 * made. */
I_ZTINI* NEW_ZTINI(void);

/* The one object of the process, made on first use and destroyed when the
 * program ends; callers never release it. Null while its Init has not
 * succeeded. */
I_ZTINI* NEW_00_ZTINI(void);

#ifdef __cplusplus
}
#endif

#endif
