/*
 * encodery.h - the one C contract between the video engine libEncodery.so
 * and its front end.
 *
 * Objects
 *   An engine object is an I_ENCODERY whose first member points to a table
 *   of operations.  Every operation takes the object as its first argument.
 *   Positions in the table are fixed (see I_ENCODERY_VTBL); positions that
 *   carry no operation hold harmless functions that return 0.
 *   Texts are NUL-terminated UTF-8.  Booleans are one byte (0 = false).
 *
 * Factories (exported by the library, and again by the program)
 *   NEW_ENCODERY     returns a new object, or NULL when out of memory.  The
 *                    caller owns it and ends it with Release.
 *   NEW_00_ENCODERY  returns the process-wide shared object (created on
 *                    first use).  Release on it stops and waits for its
 *                    conversions and closes its file; the object itself
 *                    stays usable until the process ends.
 *
 * Threads
 *   An object is used from one thread at a time (the caller's thread).  Each
 *   conversion runs on a worker thread of its own that the object owns.  The
 *   progress callback and the preview's deliver function are called on that
 *   worker thread, never concurrently with each other; they may block, the
 *   conversion waits for them.  Release (from the caller's thread) of an
 *   object with a running conversion asks the worker to stop and waits for
 *   it; a callback already in flight is waited for, so the caller must not
 *   make a callback wait for the thread that calls Release.  Release must
 *   not be called from inside a callback.
 *
 * Conversions
 *   ConvertToMpeg/ConvertToDivX/ConvertToAvi open the input at once and
 *   answer false without starting anything when an argument is unusable
 *   (NULL or empty path, NULL callback, output equal to the input, input
 *   not readable or without a video stream).  A conversion started while
 *   an older one runs on the same object stops the older one without
 *   waiting for it: after a callback already in flight it reports nothing
 *   more, and its output is removed.
 *   True: the worker has started and will report:
 *     0..99  per cent of the input done (monotonic, by input position)
 *     100    finished; the output file is complete
 *     -1     failed; the output file has been removed
 *   Each value is reported at most a few dozen times a second and at least
 *   once a second.  When the callback answers false the conversion stops,
 *   the output file is removed and nothing more is reported.  After 100 or
 *   -1 nothing more is reported either.  A conversion stopped by Release
 *   removes its output too.  The paths are copied; the preview handle and
 *   the context must stay valid until the conversion is over.
 *
 * Files
 *   OpenFile opens a file for GetFileValue/GetFileInfo; it is independent of
 *   conversions.  GetFileInfo's text belongs to the object and stays valid
 *   until the next OpenFile, CloseFile or Release.
 */
#ifndef ENCODERY_H
#define ENCODERY_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef uint8_t ENCODERY_BOOL;

/* Progress report of a running conversion; context is the pointer given to
 * the conversion call.  Answer nonzero to go on, 0 to stop. */
typedef ENCODERY_BOOL (*EngineProgressProc)(int32_t progress, void* context);

/* Preview handle, made and owned by the front end.  While converting, the
 * engine scales every few decoded pictures to width x height (both > 0) and
 * calls deliver(owner, rgb, width, height, stride): rgb holds height rows of
 * stride bytes, 3 bytes (R, G, B) per pixel, valid only during the call. */
typedef struct ENCODERY_PREVIEW {
  void (*deliver)(void* owner, const uint8_t* rgb, int32_t width, int32_t height,
                  int32_t stride);
  void* owner;
  int32_t width;
  int32_t height;
} ENCODERY_PREVIEW;

typedef struct I_ENCODERY I_ENCODERY;

typedef int32_t (*ENCODERY_UNUSED)(I_ENCODERY* self);
typedef ENCODERY_BOOL (*ENCODERY_CONVERT)(I_ENCODERY* self, const char* input_path,
                                          const char* output_path,
                                          ENCODERY_PREVIEW* preview, /* NULL: no preview */
                                          EngineProgressProc progress, void* context);

/* Modes of SetMpegMode: */
enum {
  ENCODERY_MODE_MPEG1 = 0,
  ENCODERY_MODE_VCD = 1,
  ENCODERY_MODE_MPEG2 = 2,
  ENCODERY_MODE_SVCD = 3,
  ENCODERY_MODE_DVD = 4
};

typedef struct I_ENCODERY_VTBL {
  ENCODERY_UNUSED unused0;
  /* 1: ends the object (stops and waits for a running conversion). */
  void (*Release)(I_ENCODERY* self);
  ENCODERY_UNUSED unused2;
  ENCODERY_UNUSED unused3;
  /* 4: target of the next ConvertToMpeg (ENCODERY_MODE_*).  flags: 1 = the
   * standard settings; other values are treated as 1.  Answers 1 when the
   * mode is known, else 0 and the mode is unchanged (initially MPEG-1). */
  int32_t (*SetMpegMode)(I_ENCODERY* self, int32_t mode, int32_t flags);
  ENCODERY_UNUSED unused5;
  ENCODERY_CONVERT ConvertToMpeg; /* 6 */
  ENCODERY_CONVERT ConvertToDivX; /* 7 */
  ENCODERY_CONVERT ConvertToAvi;  /* 8 */
  ENCODERY_UNUSED unused9_25[17];
  /* 26: true when the file can be read and has a video stream. */
  ENCODERY_BOOL (*OpenFile)(I_ENCODERY* self, const char* path);
  ENCODERY_UNUSED unused27_29[3];
  /* 30: duration of the opened file in milliseconds (clamped to INT32_MAX),
   * 0 when unknown, -1 when no file is open. */
  int32_t (*GetFileValue)(I_ENCODERY* self);
  /* 31: description of the opened file, several lines separated by "\n";
   * "" when no file is open.  Owned by the object. */
  const char* (*GetFileInfo)(I_ENCODERY* self);
  ENCODERY_UNUSED unused32_33[2];
  /* 34: closes the file of OpenFile; harmless when none is open. */
  int32_t (*CloseFile)(I_ENCODERY* self);
  ENCODERY_UNUSED unused35_39[5];
} I_ENCODERY_VTBL;

struct I_ENCODERY {
  const I_ENCODERY_VTBL* vtbl;
};

#define ENCODERY_SLOT(member) (offsetof(I_ENCODERY_VTBL, member) / sizeof(void (*)(void)))
#ifdef __cplusplus
#define ENCODERY_STATIC_ASSERT static_assert
#else
#define ENCODERY_STATIC_ASSERT _Static_assert
#endif
ENCODERY_STATIC_ASSERT(ENCODERY_SLOT(Release) == 1, "Release at 1");
ENCODERY_STATIC_ASSERT(ENCODERY_SLOT(SetMpegMode) == 4, "SetMpegMode at 4");
ENCODERY_STATIC_ASSERT(ENCODERY_SLOT(ConvertToMpeg) == 6, "ConvertToMpeg at 6");
ENCODERY_STATIC_ASSERT(ENCODERY_SLOT(ConvertToDivX) == 7, "ConvertToDivX at 7");
ENCODERY_STATIC_ASSERT(ENCODERY_SLOT(ConvertToAvi) == 8, "ConvertToAvi at 8");
ENCODERY_STATIC_ASSERT(ENCODERY_SLOT(OpenFile) == 26, "OpenFile at 26");
ENCODERY_STATIC_ASSERT(ENCODERY_SLOT(GetFileValue) == 30, "GetFileValue at 30");
ENCODERY_STATIC_ASSERT(ENCODERY_SLOT(GetFileInfo) == 31, "GetFileInfo at 31");
ENCODERY_STATIC_ASSERT(ENCODERY_SLOT(CloseFile) == 34, "CloseFile at 34");

typedef I_ENCODERY* (*ENCODERY_FACTORY)(void);

/* Exported by libEncodery.so (and by the program, forwarding to it). */
I_ENCODERY* NEW_ENCODERY(void);
I_ENCODERY* NEW_00_ENCODERY(void);

#define ENCODERY_LIBRARY_NAME "libEncodery.so"

#ifdef __cplusplus
}
#endif

#endif
