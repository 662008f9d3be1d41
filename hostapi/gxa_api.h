/*
 * gxa_api.h - the one contract between the gxa host and a module.
 *
 * Plain C. The host hands the module one GxaHostTable at entry action 1; every
 * host service is reached through it. Each family is a struct of function
 * pointers that starts with its own size in bytes, so a family can grow at its
 * end: a caller checks `size` (GXA_HAS) before using an entry added later.
 * A family pointer of the top table may be null when the host lacks it.
 *
 * Ownership: objects cross as opaque handles. A handle returned by a
 * `create` entry is owned by the caller and released with the matching
 * `destroy`; every other returned handle is borrowed and valid until the
 * documented event (usually: the end of the current call). Strings go in as
 * NUL-terminated UTF-8; strings come out through (buf, cap) pairs: the entry
 * writes at most cap-1 bytes plus a NUL and returns the full length, so a
 * caller may ask again with a larger buffer. No allocation made by one side
 * is ever freed by the other, and no C++ exception crosses the boundary.
 *
 * Threads: everything is called on the host's user-interface thread.
 */
#ifndef GXA_API_H
#define GXA_API_H

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The lowest interface version a module built against this header accepts. */
#define GXA_API_VERSION_MIN 20017
/* The version this host speaks. */
#define GXA_API_VERSION 20100

#define GXA_FOURCC(a, b, c, d) \
  ((int32_t)(((uint32_t)(a) << 24) | ((uint32_t)(b) << 16) | ((uint32_t)(c) << 8) | (uint32_t)(d)))

/* True when family pointer F is present and long enough to hold FIELD. */
#define GXA_HAS(F, FIELD) ((F) != NULL && (F)->size >= offsetof(__typeof__(*(F)), FIELD) + sizeof((F)->FIELD))

/* ---------------------------------------------------------------- handles */
typedef struct GxaContainer GxaContainer;             /* ordered list of (id, value) */
typedef struct GxaData GxaData;                       /* one typed value */
typedef struct GxaFilename GxaFilename;               /* a file path */
typedef struct GxaResource GxaResource;               /* a module's string resources */
typedef struct GxaDocument GxaDocument;               /* a host document */
typedef struct GxaObject GxaObject;                   /* an object inside a document */
typedef struct GxaDataTypeClass GxaDataTypeClass;     /* the host's class of a value type */
typedef struct GxaPluginRecord GxaPluginRecord;       /* a registered plug-in */
typedef struct GxaDialog GxaDialog;                   /* a dialog, sub-dialog or custom GUI */
typedef struct GxaUserArea GxaUserArea;               /* a user-drawn gadget */
typedef struct GxaBitmap GxaBitmap;                   /* a 24/32-bit bitmap, optional alpha */
typedef struct GxaCanvas GxaCanvas;                   /* an off-screen drawing canvas */
typedef struct GxaColorProfile GxaColorProfile;       /* an ICC colour profile */
typedef struct GxaColorConversion GxaColorConversion; /* profile-to-profile transform */

/* ------------------------------------------------------------- value types */
enum {
  GXA_TYPE_NONE = 0,      /* no value */
  GXA_TYPE_CONTAINER = 1, /* a GxaContainer */
  GXA_TYPE_EMPTY = 14,    /* a value without content */
  GXA_TYPE_INT32 = 15,
  GXA_TYPE_BOOL = 16, /* stored as an int32 0/1; reads as int32 too */
  GXA_TYPE_INT64 = 17,
  GXA_TYPE_FLOAT = 19,  /* float64 */
  GXA_TYPE_VECTOR = 23, /* three float64: x, y, z (a plain colour) */
  GXA_TYPE_BYTEARRAY = 128,
  GXA_TYPE_STRING = 130, /* UTF-8 */
  GXA_TYPE_FILENAME = 131,
  GXA_TYPE_LINK = 133, /* a link to a document object */
  GXA_TYPE_COLORPROFILE = 200000266,
  GXA_TYPE_COLORALPHA = 400007013 /* four float64: red, green, blue, alpha */
};

/* Host value with a mixed ("multiple values") state. tristate: 0 one value,
 * 1 several different values (value then holds one of them). */
typedef struct GxaTriState {
  GxaData* value; /* host-owned; a GetData callee writes into it */
  int32_t tristate;
} GxaTriState;

/* -------------------------------------------------------- common message keys */
#define GXA_MSG_ACTION GXA_FOURCC('b', 'A', 'C', 'T')     /* a gadget changed */
#define GXA_MSG_ID GXA_FOURCC('m', 'e', 'i', 'd')         /* sender gadget ID */
#define GXA_MSG_VALUE GXA_FOURCC('m', 'e', 'v', 'a')      /* the value */
#define GXA_MSG_DRAG GXA_FOURCC('m', 'e', 'd', 'r')       /* 1 while dragging */
#define GXA_MSG_EVENT_ARG1 GXA_FOURCC('M', 'c', 'i', '1') /* broadcast argument 1 */
#define GXA_MSG_EVENT_ARG2 GXA_FOURCC('M', 'c', 'i', '2') /* broadcast argument 2 */
#define GXA_MSG_INPUT GXA_FOURCC('b', 'I', 'P', 'N')      /* input event */
#define GXA_MSG_CURSOR_INFO GXA_FOURCC('c', 'i', 'n', 'f')
#define GXA_MSG_SCROLL GXA_FOURCC('s', 'c', 'r', 's')
#define GXA_MSG_INIT GXA_FOURCC('b', 'I', 'N', 'I')
#define GXA_MSG_SET_VALUE GXA_FOURCC('b', 'V', 'A', 'C')
#define GXA_MSG_GET_VALUE GXA_FOURCC('g', 'V', 'A', 'L')
#define GXA_MSG_GET_LAYOUT GXA_FOURCC('l', 'a', 'y', 'G')
#define GXA_MSG_PREFS_CHANGED GXA_FOURCC('g', 'p', 'c', 'h')
#define GXA_MSG_LAYOUT_CHANGED GXA_FOURCC('f', 'L', 'A', 'Y') /* entry of the same ID = 1 */
#define GXA_MSG_EDIT_STARTED GXA_FOURCC('m', 'e', 's', 't')
#define GXA_MSG_DRAG_RECEIVE 10003
#define GXA_MSG_PARENT_QUERY_OBJECTS 30 /* entry 2: int64 address of a GxaContainer to fill with links */
#define GXA_MSG_ASKED_KIND GXA_FOURCC('g', 'v', 'k', 'd') /* 'gVAL': the kind asked for */

/* Input event containers ('bIPN', drag-loop channels, input state). */
#define GXA_INPUT_DEVICE GXA_FOURCC('i', 'p', 'd', 'v')    /* 'mous' or 'kbrd' */
#define GXA_INPUT_CHANNEL GXA_FOURCC('i', 'p', 'c', 'a')   /* 1 left, 2 right, 3 middle, 100 wheel; key code */
#define GXA_INPUT_QUALIFIER GXA_FOURCC('i', 'p', 'q', 'u') /* 1 shift, 2 ctrl, 4 alt */
#define GXA_INPUT_X GXA_FOURCC('i', 'p', 'x', 'p')         /* global position (window coords) */
#define GXA_INPUT_Y GXA_FOURCC('i', 'p', 'y', 'p')
#define GXA_INPUT_DOUBLECLICK GXA_FOURCC('i', 'p', 'd', 'c')
#define GXA_INPUT_WHEEL_X GXA_FOURCC('i', 'p', 'w', 'x') /* wheel notches, float64 */
#define GXA_INPUT_WHEEL_Y GXA_FOURCC('i', 'p', 'w', 'y')
#define GXA_INPUT_VALUE GXA_FOURCC('i', 'p', 'v', 'a') /* bool: button/key down */
#define GXA_INPUT_TEXT GXA_FOURCC('i', 'p', 't', 'x')  /* string: typed text */
#define GXA_DEVICE_MOUSE GXA_FOURCC('m', 'o', 'u', 's')
#define GXA_DEVICE_KEYBOARD GXA_FOURCC('k', 'b', 'r', 'd')
enum { GXA_CHANNEL_LEFT = 1, GXA_CHANNEL_RIGHT = 2, GXA_CHANNEL_MIDDLE = 3, GXA_CHANNEL_WHEEL = 100 };
enum { GXA_QUALIFIER_SHIFT = 1, GXA_QUALIFIER_CTRL = 2, GXA_QUALIFIER_ALT = 4 };
enum {
  GXA_KEY_UP = 61824,
  GXA_KEY_DOWN = 61825,
  GXA_KEY_LEFT = 61826,
  GXA_KEY_RIGHT = 61827,
  GXA_KEY_PGDOWN = 61828,
  GXA_KEY_PGUP = 61829,
  GXA_KEY_HOME = 61830,
  GXA_KEY_END = 61831,
  GXA_KEY_BACKSPACE = 61704,
  GXA_KEY_DELETE = 61823,
  GXA_KEY_ESC = 61697,
  GXA_KEY_ENTER = 61698,
  GXA_KEY_TAB = 61699
};

/* Draw message ('DrawMsg' argument). */
#define GXA_DRAW_REASON GXA_FOURCC('d', 'R', 's', 'n')

/* Results of a 'cinf' cursor-information message. */
#define GXA_RESULT_CURSOR GXA_FOURCC('r', 'c', 'u', 'r')  /* int32 cursor shape */
#define GXA_RESULT_TOOLTIP GXA_FOURCC('r', 't', 'i', 'p') /* string */
enum {
  GXA_CURSOR_ARROW = 1,
  GXA_CURSOR_CROSS = 2,
  GXA_CURSOR_HAND = 3,
  GXA_CURSOR_MOVE = 4,
  GXA_CURSOR_EYEDROPPER = 5,
  GXA_CURSOR_FORBIDDEN = 6,
  GXA_CURSOR_INVISIBLE = 7,
  GXA_CURSOR_DRAG_COPY = 10,
  GXA_CURSOR_IBEAM = 11,
  GXA_CURSOR_SIZE_H = 12,
  GXA_CURSOR_SIZE_V = 13,
  GXA_CURSOR_COPY = 19 /* a drop was taken as a copy */
};

/* Drag and drop: a drag-receive message (10003) carries these entries. */
enum {
  GXA_DRAG_ENTRY_FINISHED = 5, /* int32: 0 while hovering, 1 on the drop */
  GXA_DRAG_ENTRY_ESCAPED = 7,  /* int32: the drag was cancelled */
  GXA_DRAG_ENTRY_LOST = 10,    /* int32: the drag left the gadget */
  GXA_DRAG_ENTRY_TYPE = 20,    /* int32: drag type */
  GXA_DRAG_ENTRY_OBJECT = 21,  /* the dragged data: container, or string path for 202 */
  GXA_DRAG_ENTRY_GADGET = 22,  /* int32: ID of the gadget under the cursor */
  GXA_DRAG_ENTRY_X = 23,
  GXA_DRAG_ENTRY_Y = 24 /* int32: position local to that gadget */
};
enum { GXA_DRAGTYPE_FILES = 202, GXA_DRAGTYPE_COLOR = 203, GXA_DRAGTYPE_COLORS = 206, GXA_DRAGTYPE_SWATCHES = 207 };

/* Mouse-drag loop answers. */
enum { GXA_MOUSEDRAG_ESCAPE = 1, GXA_MOUSEDRAG_FINISHED = 2, GXA_MOUSEDRAG_CONTINUE = 3 };

/* Layout flags for gadgets and groups: vertical in bits 0-2, horizontal in 3-5. */
enum {
  GXA_ALIGN_V_CENTER = 0,
  GXA_ALIGN_TOP = 1,
  GXA_ALIGN_BOTTOM = 2,
  GXA_ALIGN_V_FIT = 3,
  GXA_ALIGN_V_SCALE = 4,
  GXA_ALIGN_V_SCALEFIT = 7,
  GXA_ALIGN_H_CENTER = 0,
  GXA_ALIGN_LEFT = 8,
  GXA_ALIGN_RIGHT = 16,
  GXA_ALIGN_H_FIT = 24,
  GXA_ALIGN_H_SCALE = 32,
  GXA_ALIGN_H_SCALEFIT = 56
};
/* A width/height hint: pixels in bits 14 and up, tenths of a text measure below. */
#define GXA_SIZE_PIXELS(px) ((int32_t)((px) << 14))

/* Units of number fields and of the number formatter. */
#define GXA_UNIT_REAL GXA_FOURCC('f', 'r', 'e', 'a')
#define GXA_UNIT_PERCENT GXA_FOURCC('f', 'p', 'c', 't')
#define GXA_UNIT_DEGREE GXA_FOURCC('f', 'd', 'g', 'r')
#define GXA_UNIT_INT GXA_FOURCC('f', 'l', 'n', 'g')

/* Interface colour IDs the host answers. Modules draw handles and frames in
 * 0 and 1, fill with 1000; the others serve host widgets and swatch frames. */
enum {
  GXA_COLOR_FRAME_DARK = 0,
  GXA_COLOR_FRAME_LIGHT = 1,
  GXA_COLOR_BACKGROUND = 1000,
  GXA_COLOR_EDIT_BACKGROUND = 1001,
  GXA_COLOR_TEXT = 1003,
  GXA_COLOR_GROUP_FILL = 1004,
  GXA_COLOR_OUTLINE = 1007,
  GXA_COLOR_HIGHLIGHT = 1008,
  GXA_COLOR_MENU_BACKGROUND = 1011,
  GXA_COLOR_SELECTION_FRAME = 1157,
  GXA_COLOR_TEXT_DISABLED = 1159
};

/* ================================================================ registry */

/* Header of every published function table. */
typedef struct GxaLibraryHeader {
  uint32_t version; /* 1000 for every table this module publishes */
  uint32_t size;    /* size of the whole table in bytes */
} GxaLibraryHeader;

/* A row of a custom GUI property table; a row {0, 0, NULL} ends it. */
typedef struct GxaPropertyRow {
  int32_t kind; /* 1: a flag */
  int32_t id;   /* the flag's bit */
  const char* symbol;
} GxaPropertyRow;

/* Callbacks of a custom GUI plug-in (host -> module). user is the pointer
 * given at registration. */
typedef struct GxaCustomGuiCallbacks {
  uint32_t size;
  void (*destroy)(void* user); /* the host is done with the plug-in */
  int32_t (*plugin_id)(void* user);
  /* Create a gadget for a parameter. settings is borrowed. Returns the dialog
   * the module created (dialogs->create), or NULL on failure. */
  GxaDialog* (*allocate)(void* user, const GxaContainer* settings, GxaPluginRecord* record);
  /* Free what allocate made: object is dialogs->user_of(dialog). */
  void (*free_gui)(void* user, GxaDialog* dialog, void* object);
  const char* (*resource_symbol)(void* user);      /* static string */
  const GxaPropertyRow* (*properties)(void* user); /* static table */
  /* *list receives a static array of value type IDs; returns its length. */
  int32_t (*served_types)(void* user, const int32_t** list);
} GxaCustomGuiCallbacks;

/* Callbacks of a resource data type (host -> module). */
typedef struct GxaResourceTypeCallbacks {
  uint32_t size;
  void (*destroy)(void* user);
  int32_t (*resource_type_id)(void* user);
  int32_t (*wrapped_type_id)(void* user);
  GxaDataTypeClass* (*wrapped_class)(void* user);
  /* Fill the defaults of a parameter description. */
  void (*default_properties)(void* user, GxaContainer* description);
  const char* (*resource_symbol)(void* user);
  bool (*is_special)(void* user);
  /* Describe sub-channels: out receives one sub-container per channel ID,
   * each with entry 1 name, 2 short name, 12 unit (int32 four-character code). */
  bool (*sub_channels)(void* user, GxaContainer* out);
} GxaResourceTypeCallbacks;

typedef struct GxaRegistryFns {
  uint32_t size;
  int32_t (*interface_version)(void);
  int32_t (*application_type)(void);
  /* table starts with a GxaLibraryHeader and stays valid while the module is
   * loaded; the host keeps the pointer. false when the ID is taken. */
  bool (*publish_library)(int32_t id, const void* table);
  /* A published table whose header has at least min_version and min_size;
   * NULL otherwise. Borrowed. */
  const void* (*find_library)(int32_t id, uint32_t min_version, uint32_t min_size);
  bool (*register_custom_gui)(int32_t id, const char* name, int32_t info_flags, const GxaCustomGuiCallbacks* callbacks,
                              void* user);
  bool (*register_resource_type)(int32_t id, const char* name, int32_t info_flags,
                                 const GxaResourceTypeCallbacks* callbacks, void* user);
  /* The host's class of a value type, or NULL. Borrowed, lives as the host. */
  GxaDataTypeClass* (*find_data_type_class)(int32_t type_id);
  int32_t (*data_type_id)(const GxaDataTypeClass* cls);
  /* The class's own sub-channel descriptions (see GxaResourceTypeCallbacks). */
  bool (*data_type_sub_channels)(GxaDataTypeClass* cls, GxaContainer* out);
  int32_t (*plugin_info_flags)(const GxaPluginRecord* record);
  int32_t (*plugin_id)(const GxaPluginRecord* record);
} GxaRegistryFns;

/* =============================================================== resources */
typedef struct GxaIcon {
  GxaBitmap* bitmap;  /* borrowed, lives as the host */
  int32_t x, y, w, h; /* the icon's rectangle in the bitmap, physical pixels */
} GxaIcon;

typedef struct GxaResourceFns {
  uint32_t size;
  /* Open the string resources in folder (a module's "res" folder). NULL on failure. */
  GxaResource* (*open_strings)(const GxaFilename* folder);
  void (*close_strings)(GxaResource* res);
  /* String id into buf; returns its length, or -1 when the string is missing. */
  int64_t (*load_string)(const GxaResource* res, int32_t id, char* buf, size_t cap);
  /* Icon by host icon ID at the interface scale; false when the ID is unknown. */
  bool (*get_icon)(int32_t icon_id, GxaIcon* out);
  /* The host's interface scale (1 or 2): icon pixels per logical pixel. */
  double (*interface_scale)(void);
  /* An interface colour by ID as 0..1 components; false for an unknown ID. */
  bool (*interface_color)(int32_t color_id, double rgb[3]);
} GxaResourceFns;

/* ============================================================== containers */
typedef struct GxaContainerFns {
  uint32_t size;
  GxaContainer* (*create)(int32_t id);
  void (*destroy)(GxaContainer* c);
  /* Replace dst's ID and entries with copies of src's. */
  void (*copy)(GxaContainer* dst, const GxaContainer* src);
  /* Copy src's entries into dst; entries of src win. */
  void (*merge)(GxaContainer* dst, const GxaContainer* src);
  int32_t (*get_id)(const GxaContainer* c);
  void (*set_id)(GxaContainer* c, int32_t id);
  int32_t (*count)(const GxaContainer* c);
  /* ID of the entry at index, false when out of range. */
  bool (*entry_id)(const GxaContainer* c, int32_t index, int32_t* id);
  /* Borrowed value at index (valid until c changes), NULL when out of range. */
  const GxaData* (*entry_data)(const GxaContainer* c, int32_t index);
  /* Borrowed value of the first entry with id, NULL when absent. */
  const GxaData* (*get)(const GxaContainer* c, int32_t id);
  /* Writable sub-container of entry id, NULL when absent or not a container.
   * Valid until c changes. */
  GxaContainer* (*get_container)(GxaContainer* c, int32_t id);
  /* Set (replace the first entry with id, or append) a copy of value. */
  void (*set)(GxaContainer* c, int32_t id, const GxaData* value);
  /* Append a copy of value even when id exists (menus use this). */
  void (*insert)(GxaContainer* c, int32_t id, const GxaData* value);
  bool (*remove)(GxaContainer* c, int32_t id);
  void (*clear)(GxaContainer* c);
  /* Typed shortcuts; getters answer def when absent or of another type
   * (int32 reads bool/int32/int64, float reads float/int32). */
  void (*set_bool)(GxaContainer* c, int32_t id, bool v);
  void (*set_int32)(GxaContainer* c, int32_t id, int32_t v);
  void (*set_int64)(GxaContainer* c, int32_t id, int64_t v);
  void (*set_float)(GxaContainer* c, int32_t id, double v);
  void (*set_vector)(GxaContainer* c, int32_t id, const double v[3]);
  void (*set_string)(GxaContainer* c, int32_t id, const char* utf8);
  void (*set_sub)(GxaContainer* c, int32_t id, const GxaContainer* sub);
  bool (*get_bool)(const GxaContainer* c, int32_t id, bool def);
  int32_t (*get_int32)(const GxaContainer* c, int32_t id, int32_t def);
  int64_t (*get_int64)(const GxaContainer* c, int32_t id, int64_t def);
  double (*get_float)(const GxaContainer* c, int32_t id, double def);
  bool (*get_vector)(const GxaContainer* c, int32_t id, double out[3]);
  /* Returns the length, or -1 when absent or not a string. */
  int64_t (*get_string)(const GxaContainer* c, int32_t id, char* buf, size_t cap);
  /* The world preferences: writable, host-owned, lives as the host. */
  GxaContainer* (*world_prefs)(void);
} GxaContainerFns;

typedef struct GxaDataFns {
  uint32_t size;
  GxaData* (*create)(void);
  void (*destroy)(GxaData* d);
  void (*copy)(GxaData* dst, const GxaData* src);
  int32_t (*type)(const GxaData* d);
  void (*set_none)(GxaData* d);
  void (*set_empty)(GxaData* d, int32_t type); /* a value of type without content */
  void (*set_bool)(GxaData* d, bool v);
  void (*set_int32)(GxaData* d, int32_t v);
  void (*set_int64)(GxaData* d, int64_t v);
  void (*set_float)(GxaData* d, double v);
  void (*set_vector)(GxaData* d, const double v[3]);
  void (*set_color_alpha)(GxaData* d, const double rgba[4]);
  void (*set_string)(GxaData* d, const char* utf8);
  void (*set_bytes)(GxaData* d, const void* bytes, size_t count);
  void (*set_container)(GxaData* d, const GxaContainer* c);
  void (*set_filename)(GxaData* d, const GxaFilename* f);
  /* Readers answer false (or def) when the type does not fit. */
  bool (*get_bool)(const GxaData* d, bool def);
  int32_t (*get_int32)(const GxaData* d, int32_t def);
  int64_t (*get_int64)(const GxaData* d, int64_t def);
  double (*get_float)(const GxaData* d, double def);
  bool (*get_vector)(const GxaData* d, double out[3]);
  bool (*get_color_alpha)(const GxaData* d, double out[4]);
  int64_t (*get_string)(const GxaData* d, char* buf, size_t cap);
  /* Copies up to cap bytes; returns the full count, or -1 when not bytes. */
  int64_t (*get_bytes)(const GxaData* d, void* buf, size_t cap);
  /* Borrowed, valid while d is unchanged; NULL when not a container. */
  const GxaContainer* (*get_container)(const GxaData* d);
  bool (*get_filename)(const GxaData* d, GxaFilename* out);
  /* A colour-profile value: borrowed profile, NULL when none. */
  const GxaColorProfile* (*get_color_profile)(const GxaData* d);
} GxaDataFns;

/* =============================================================== documents */
typedef struct GxaDocumentFns {
  uint32_t size;
  GxaDocument* (*active)(void); /* borrowed; NULL when no document is open */
  /* The document's data container, writable; lives as the document. */
  GxaContainer* (*data)(GxaDocument* doc);
  /* The document's settings (colour management 2101, 2102 ...), borrowed. */
  const GxaContainer* (*settings)(GxaDocument* doc);
  /* Resolve a link value in doc; NULL when it no longer resolves. Borrowed. */
  GxaObject* (*resolve_link)(GxaDocument* doc, const GxaData* link);
  int32_t (*object_type)(const GxaObject* obj);
  /* The document changed (its data container was written). */
  void (*mark_changed)(GxaDocument* doc);
} GxaDocumentFns;

/* ================================================================== events */
typedef struct GxaEventFns {
  uint32_t size;
  /* Queue event id for every open dialog's CoreMessage, delivered after the
   * current host call returns, with 'Mci1' = arg1 and 'Mci2' = arg2 (int64). */
  void (*post)(int32_t id, int64_t arg1, int64_t arg2);
} GxaEventFns;

/* ============================================================= diagnostics */
enum { GXA_DIAG_LINE = 0, GXA_DIAG_ASSERT = 1 };
typedef struct GxaDiagnosticFns {
  uint32_t size;
  /* One diagnostic line with its source position. Shown with --debug,
   * recorded in scripted runs, silent otherwise. */
  void (*line)(int32_t kind, const char* file, int32_t line, const char* text);
} GxaDiagnosticFns;

/* =============================================================== file names */
typedef struct GxaFilenameFns {
  uint32_t size;
  GxaFilename* (*create)(void);
  void (*destroy)(GxaFilename* f);
  void (*copy)(GxaFilename* dst, const GxaFilename* src);
  void (*set)(GxaFilename* f, const char* path);
  int64_t (*get)(const GxaFilename* f, char* buf, size_t cap);
  /* Append one path component. */
  void (*append)(GxaFilename* f, const char* component);
  /* Drop the last component; false when nothing is left to drop. */
  bool (*to_directory)(GxaFilename* f);
  /* The last component into buf. */
  int64_t (*last_component)(const GxaFilename* f, char* buf, size_t cap);
  bool (*exists)(const GxaFilename* f);
  /* True when f lies inside the host's own installation folder. */
  bool (*is_in_host_folder)(const GxaFilename* f);
  /* The host's installation folder into out. */
  void (*host_folder)(GxaFilename* out);
} GxaFilenameFns;

/* ================================================================= dialogs */

/* Dialog callbacks (host -> module). user is the pointer given to create. */
typedef struct GxaDialogCallbacks {
  uint32_t size;
  void (*destroyed)(void* user); /* the host dialog is gone; do not touch it again */
  bool (*create_layout)(void* user);
  bool (*init_values)(void* user);
  bool (*core_message)(void* user, int32_t id, const GxaContainer* msg);
  bool (*command)(void* user, int32_t id, const GxaContainer* msg);
  bool (*ask_close)(void* user);
  void (*timer)(void* user, const GxaContainer* msg);
  void (*destroy_window)(void* user);
  /* Host messages. result may be filled. Answer non-zero when handled;
   * unhandled messages should be passed to dialogs->default_message. */
  int32_t (*message)(void* user, const GxaContainer* msg, GxaContainer* result);
} GxaDialogCallbacks;

enum { GXA_GROUP_BORDER_NONE = 0, GXA_GROUP_BORDER_GROUP = 1 };
enum { GXA_SCROLL_VERTICAL = 1, GXA_SCROLL_HORIZONTAL = 2, GXA_SCROLL_AUTO = 4 };

typedef struct GxaDialogFns {
  uint32_t size;
  GxaDialog* (*create)(const GxaDialogCallbacks* callbacks, void* user);
  void (*destroy)(GxaDialog* dlg);
  void* (*user_of)(GxaDialog* dlg);
  /* The gadget ID under which the host shows this dialog in its parent, 0 for a window. */
  int32_t (*gadget_id)(GxaDialog* dlg);
  /* Run dlg as a modal dialog with a title; returns when it closes. */
  bool (*open_modal)(GxaDialog* dlg, const char* title, int32_t width, int32_t height);
  void (*close)(GxaDialog* dlg);
  int32_t (*default_message)(GxaDialog* dlg, const GxaContainer* msg, GxaContainer* result);
  /* Send msg to the dialog that contains dlg (a custom GUI's parent page). */
  bool (*send_parent_message)(GxaDialog* dlg, const GxaContainer* msg);

  /* Layout: called from create_layout, or between flush_group and layout_changed. */
  bool (*group_begin)(GxaDialog* dlg, int32_t id, int32_t flags, int32_t cols, int32_t rows, const char* title,
                      int32_t group_flags);
  bool (*group_end)(GxaDialog* dlg);
  bool (*group_space)(GxaDialog* dlg, int32_t x, int32_t y);
  bool (*group_border_space)(GxaDialog* dlg, int32_t left, int32_t top, int32_t right, int32_t bottom);
  bool (*group_border)(GxaDialog* dlg, int32_t border);
  bool (*scroll_group_begin)(GxaDialog* dlg, int32_t id, int32_t flags, int32_t scroll_flags);
  bool (*add_static_text)(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h, const char* text,
                          int32_t border);
  bool (*add_number_field)(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h, bool arrows);
  bool (*add_edit_text)(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h);
  bool (*add_checkbox)(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h, const char* name);
  bool (*add_button)(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h, const char* name);
  bool (*add_combobox)(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h);
  bool (*add_child)(GxaDialog* dlg, int32_t id, int32_t child_id, const char* text);
  bool (*add_separator)(GxaDialog* dlg, int32_t flags, bool horizontal);
  bool (*add_user_area)(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h);
  bool (*attach_user_area)(GxaDialog* dlg, int32_t id, GxaUserArea* ua, int32_t ua_flags);
  /* A host custom GUI (file name 1000478, bitmap button 1000479) or a
   * module one; settings is copied. */
  bool (*add_custom_gui)(GxaDialog* dlg, int32_t id, int32_t plugin_id, const char* name, int32_t flags, int32_t w,
                         int32_t h, const GxaContainer* settings);
  bool (*add_sub_dialog)(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h);
  bool (*attach_sub_dialog)(GxaDialog* dlg, int32_t id, GxaDialog* sub);
  /* Remove the contents of group id; the next adds go into it. */
  bool (*layout_flush_group)(GxaDialog* dlg, int32_t id);
  /* Lay group id out again and announce the change to the parents. */
  bool (*layout_changed)(GxaDialog* dlg, int32_t id);
  bool (*get_visible_area)(GxaDialog* dlg, int32_t scroll_id, int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2);
  bool (*set_visible_area)(GxaDialog* dlg, int32_t scroll_id, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

  /* Gadget values. tristate 1 shows the mixed-value state. */
  bool (*set_int32)(GxaDialog* dlg, int32_t id, int32_t value, int32_t min, int32_t max, int32_t step,
                    int32_t tristate);
  bool (*set_float)(GxaDialog* dlg, int32_t id, double value, double min, double max, double step, int32_t unit,
                    double input_min, double input_max, int32_t tristate);
  bool (*set_string)(GxaDialog* dlg, int32_t id, const char* text);
  bool (*set_bool)(GxaDialog* dlg, int32_t id, bool value);
  bool (*set_data)(GxaDialog* dlg, int32_t id, const GxaData* value);
  bool (*get_int32)(GxaDialog* dlg, int32_t id, int32_t* out);
  bool (*get_float)(GxaDialog* dlg, int32_t id, double* out);
  int64_t (*get_string)(GxaDialog* dlg, int32_t id, char* buf, size_t cap);
  bool (*get_bool)(GxaDialog* dlg, int32_t id, bool* out);
  bool (*get_data)(GxaDialog* dlg, int32_t id, GxaData* out);
  bool (*enable)(GxaDialog* dlg, int32_t id, bool enabled);
  bool (*is_enabled)(GxaDialog* dlg, int32_t id);
  bool (*hide)(GxaDialog* dlg, int32_t id, bool hidden);
  bool (*set_focus)(GxaDialog* dlg, int32_t id);
  /* The drag destination cursor while a drag hovers (drag receive). */
  void (*set_drag_destination)(GxaDialog* dlg, int32_t cursor);

  /* Host dialogs. Each runs modally and returns the user's answer. The
     colour dialog draws its colours as the chooser of profile_mode shows
     them (bits 8 and 16 choose the source profile, see GXA_DOC_COLOR_SPACE);
     the values it edits and returns are never converted. */
  bool (*color_dialog)(double rgba[4], bool with_alpha, const char* title, int32_t profile_mode);
  bool (*question)(const char* text);
  void (*message_box)(const char* text);
  /* A text prompt with an optional check box; false when cancelled. */
  bool (*text_prompt)(const char* title, const char* label, char* buf, size_t cap, const char* check_label,
                      bool* check);

  /* Width and height hints of gadget or group id, as the add entries take
   * them (0 keeps the gadget's own minimum). For a scroll group they are its
   * size in the directions it scrolls. */
  bool (*set_size_hints)(GxaDialog* dlg, int32_t id, int32_t w, int32_t h);
} GxaDialogFns;

/* ============================================================== user areas */

/* User area callbacks (host -> module). */
typedef struct GxaUserAreaCallbacks {
  uint32_t size;
  void (*destroyed)(void* user);
  bool (*init)(void* user);
  bool (*init_values)(void* user);
  bool (*get_min_size)(void* user, int32_t* w, int32_t* h);
  void (*sized)(void* user, int32_t w, int32_t h);
  void (*draw)(void* user, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  /* msg carries GXA_DRAW_REASON. The clip rectangle is x1..x2, y1..y2 (inclusive). */
  void (*draw_msg)(void* user, int32_t x1, int32_t y1, int32_t x2, int32_t y2, const GxaContainer* msg);
  bool (*input_event)(void* user, const GxaContainer* msg);
  bool (*core_message)(void* user, int32_t id, const GxaContainer* msg);
  int32_t (*message_10020)(void* user, const GxaContainer* msg);
  /* Answer non-zero when handled; else return ua->default_message. */
  int32_t (*message)(void* user, const GxaContainer* msg, GxaContainer* result);
} GxaUserAreaCallbacks;

/* draw_bitmap modes */
enum { GXA_BMP_NORMAL = 0, GXA_BMP_ALLOWALPHA = 0x200, GXA_BMP_DISABLED = 0x400, GXA_BMP_FILTER = 0x800 };
/* draw_text flags */
enum { GXA_TEXT_LEFT = 0, GXA_TEXT_HCENTER = 1, GXA_TEXT_RIGHT = 2, GXA_TEXT_VCENTER = 4, GXA_TEXT_BOLD = 8 };
/* popup menu: text marks "&c&" checked, "&d&" disabled, a leading "&i<icon>&" an icon;
 * an entry of ID 0 is a separator; an entry that holds a container is a submenu, the
 * container's entry 1 its text and its other entries its own. x, y global; 0x7fffffff
 * means the mouse position. */

typedef struct GxaUserAreaFns {
  uint32_t size;
  GxaUserArea* (*create)(const GxaUserAreaCallbacks* callbacks, void* user);
  void (*destroy)(GxaUserArea* ua);
  GxaDialog* (*dialog)(GxaUserArea* ua); /* NULL until attached */
  int32_t (*gadget_id)(GxaUserArea* ua);
  void (*redraw)(GxaUserArea* ua);
  int32_t (*width)(GxaUserArea* ua);
  int32_t (*height)(GxaUserArea* ua);
  bool (*is_enabled)(GxaUserArea* ua);
  int32_t (*display_scale)(GxaUserArea* ua);
  bool (*global_to_local)(GxaUserArea* ua, int32_t* x, int32_t* y);
  bool (*local_to_global)(GxaUserArea* ua, int32_t* x, int32_t* y);
  int32_t (*default_message)(GxaUserArea* ua, const GxaContainer* msg, GxaContainer* result);
  bool (*send_parent_message)(GxaUserArea* ua, const GxaContainer* msg);
  bool (*layout_changed)(GxaUserArea* ua); /* min size changed: lay the dialog out again */

  /* Mouse-drag loop: start at a local position; poll for deltas (channels
   * receives qualifiers and button state); end returns FINISHED or ESCAPE. */
  void (*mouse_drag_start)(GxaUserArea* ua, int32_t channel, double mx, double my);
  int32_t (*mouse_drag)(GxaUserArea* ua, double* dx, double* dy, GxaContainer* channels);
  int32_t (*mouse_drag_end)(GxaUserArea* ua);

  /* Drawing; valid inside draw_msg or between offscreen_begin/end. Coordinates
   * are logical, local to the user area; rectangles are inclusive. */
  bool (*offscreen_begin)(GxaUserArea* ua);
  void (*offscreen_end)(GxaUserArea* ua);
  void (*set_pen_rgb)(GxaUserArea* ua, double r, double g, double b);
  void (*set_pen_color_id)(GxaUserArea* ua, int32_t color_id);
  void (*draw_rect)(GxaUserArea* ua, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void (*draw_line)(GxaUserArea* ua, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void (*draw_border)(GxaUserArea* ua, int32_t style, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  /* Bitmap region (bx, by, bw, bh in bitmap pixels) into (x, y, w, h) logical. */
  void (*draw_bitmap)(GxaUserArea* ua, GxaBitmap* bmp, int32_t x, int32_t y, int32_t w, int32_t h, int32_t bx,
                      int32_t by, int32_t bw, int32_t bh, int32_t mode);
  void (*set_text_color)(GxaUserArea* ua, double r, double g, double b);
  void (*draw_text)(GxaUserArea* ua, const char* text, int32_t x, int32_t y, int32_t flags);
  int32_t (*text_width)(GxaUserArea* ua, const char* text);
  int32_t (*text_height)(GxaUserArea* ua);
  void (*set_clip)(GxaUserArea* ua, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void (*clear_clip)(GxaUserArea* ua);

  /* A popup menu; returns the chosen ID, 0 when none was chosen. */
  int32_t (*popup_menu)(GxaUserArea* ua, int32_t x, int32_t y, const GxaContainer* menu, int32_t flags);
  void (*set_cursor)(GxaUserArea* ua, int32_t cursor);
  /* Start dragging typed data out of the gadget (synchronous: returns after
   * the drop or cancel). data is copied. true when it was dropped somewhere. */
  bool (*start_drag)(GxaUserArea* ua, int32_t drag_type, const GxaData* data);
  /* A timer: the host sends message GXA_MSG_TIMER to the area every ms (0 stops). */
  void (*set_timer)(GxaUserArea* ua, int32_t ms);
  /* The user copied the colour ua shows; the module keeps its own copy for
   * pasting between its gadgets. rgb is the colour as shown (the chooser's
   * space, 0..1), alpha counts only when has_alpha. The host may offer it to
   * other programs as text. Optional: older hosts lack it (GXA_HAS). */
  void (*color_copied)(GxaUserArea* ua, const double rgb[3], double alpha, bool has_alpha);
} GxaUserAreaFns;

#define GXA_MSG_TIMER GXA_FOURCC('b', 'T', 'I', 'M')

/* ================================================================== input */
enum { GXA_HOTKEY_PAN = 13563, GXA_HOTKEY_ZOOM = 13564 };
typedef struct GxaInputFns {
  uint32_t size;
  /* The present state of device/channel: out receives GXA_INPUT_VALUE,
   * GXA_INPUT_QUALIFIER and the global position. */
  bool (*get_input_state)(int32_t device, int32_t channel, GxaContainer* out);
  /* True while the key bound to hotkey id is held. */
  bool (*hotkey_down)(int32_t hotkey_id);
} GxaInputFns;

/* ================================================================= bitmaps */
enum { GXA_PIXEL_RGB8 = 0, GXA_PIXEL_RGBA8 = 1, GXA_PIXEL_RGBF = 36 };
enum {
  GXA_LOAD_OK = 1,
  GXA_LOAD_NOTFOUND = -1,
  GXA_LOAD_UNKNOWN_FORMAT = -2,
  GXA_LOAD_DAMAGED = -3,
  GXA_LOAD_NOMEMORY = -4
};

typedef struct GxaBitmapFns {
  uint32_t size;
  GxaBitmap* (*create)(void);
  void (*destroy)(GxaBitmap* bmp);
  /* Size the bitmap; depth 24 or 32. Contents become black (alpha 0). */
  bool (*init)(GxaBitmap* bmp, int32_t w, int32_t h, int32_t depth);
  int32_t (*width)(const GxaBitmap* bmp);
  int32_t (*height)(const GxaBitmap* bmp);
  int32_t (*depth)(const GxaBitmap* bmp);
  /* Add an 8-bit alpha channel (0 = transparent) to a 24-bit bitmap. */
  bool (*add_alpha)(GxaBitmap* bmp);
  bool (*has_alpha)(const GxaBitmap* bmp);
  void (*set_pixel)(GxaBitmap* bmp, int32_t x, int32_t y, int32_t r, int32_t g, int32_t b);
  void (*get_pixel)(const GxaBitmap* bmp, int32_t x, int32_t y, int32_t rgb[3]);
  void (*set_alpha)(GxaBitmap* bmp, int32_t x, int32_t y, int32_t a);
  int32_t (*get_alpha)(const GxaBitmap* bmp, int32_t x, int32_t y);
  /* A row of count pixels from x = 0: RGB8 (3 bytes) or RGBA8 (4 bytes, alpha
   * into the alpha channel when present). */
  bool (*set_row)(GxaBitmap* bmp, int32_t y, const uint8_t* pixels, int32_t count, int32_t format);
  bool (*get_row)(const GxaBitmap* bmp, int32_t y, uint8_t* pixels, int32_t count, int32_t format);
  bool (*copy_to)(const GxaBitmap* src, GxaBitmap* dst);
  bool (*copy_part_to)(const GxaBitmap* src, GxaBitmap* dst, int32_t x, int32_t y, int32_t w, int32_t h);
  /* Scale src into dst (already sized), with or without filtering. */
  bool (*scale_to)(const GxaBitmap* src, GxaBitmap* dst, bool filter);
  /* One of GXA_LOAD_*. */
  int32_t (*load_file)(GxaBitmap* bmp, const GxaFilename* file);
  bool (*set_profile)(GxaBitmap* bmp, const GxaColorProfile* profile);
  /* A canvas for off-screen drawing and text measurement. */
  GxaCanvas* (*canvas_create)(int32_t w, int32_t h, int32_t depth);
  void (*canvas_destroy)(GxaCanvas* canvas);
  int32_t (*canvas_text_width)(GxaCanvas* canvas, const char* text);
  int32_t (*canvas_text_height)(GxaCanvas* canvas);
  /* Part of a row: count pixels from column x, in the formats of get_row and
   * set_row. Columns outside the bitmap are refused (false), nothing is read
   * or written then. Lets a small stamp touch only the pixels it covers. */
  bool (*set_row_part)(GxaBitmap* bmp, int32_t x, int32_t y, const uint8_t* pixels, int32_t count, int32_t format);
  bool (*get_row_part)(const GxaBitmap* bmp, int32_t x, int32_t y, uint8_t* pixels, int32_t count, int32_t format);
  /* A picture the user opened: PNG or JPEG whose name fits its content, at
   * most 100 megapixels, not CMYK. An embedded ICC profile is converted to
   * sRGB, the chooser's working space, and the bitmap carries sRGB. One of
   * GXA_LOAD_*; on failure bmp is unchanged and message (when not null)
   * receives a UTF-8 line that names the file, cut to message_size bytes
   * with its terminating zero. UI thread only; the host's window keeps
   * drawing while a large picture decodes. */
  int32_t (*load_picture)(GxaBitmap* bmp, const GxaFilename* file, char* message, int32_t message_size);
} GxaBitmapFns;

/* =================================================================== colour */
enum { GXA_TRANSFORM_TO_HOST = 1, GXA_TRANSFORM_FROM_HOST = 2 };
enum { GXA_PROFILE_LINEAR = 0, GXA_PROFILE_SRGB = 1 };
enum { GXA_DOC_COLOR_SPACE = 2101, GXA_DOC_LINEAR_WORKFLOW = 2102 };

typedef struct GxaColorFns {
  uint32_t size;
  /* Code 2 takes a linear (host) colour into the chooser's space; code 1 back. */
  bool (*transform)(int32_t code, const double in[3], double out[3]);
  /* The host's standard profiles (GXA_PROFILE_*), borrowed. */
  const GxaColorProfile* (*standard_profile)(int32_t which);
  /* The profile of the current paint texture, NULL when there is none. */
  const GxaColorProfile* (*paint_texture_profile)(void);
  /* A conversion between two profiles in pixel format 36 (float RGB). NULL on failure. */
  GxaColorConversion* (*conversion_create)(const GxaColorProfile* src, const GxaColorProfile* dst,
                                           int32_t pixel_format);
  void (*conversion_destroy)(GxaColorConversion* conv);
  void (*convert)(const GxaColorConversion* conv, float* rgb, int32_t count);
  /* Format a number in a unit (GXA_UNIT_*); returns the text's length. */
  int64_t (*format_number)(double value, int32_t unit, char* buf, size_t cap);
} GxaColorFns;

/* ================================================================= streams */
typedef struct GxaMemoryFile GxaMemoryFile; /* a growable block of bytes in memory */
typedef struct GxaStream GxaStream;         /* the host's typed stream over a memory file */
enum { GXA_STREAM_READ = 1, GXA_STREAM_WRITE = 2 };
enum { GXA_COMPRESSION_STORED = 0, GXA_COMPRESSION_ZLIB = 1, GXA_COMPRESSION_ZLIB_SIZED = 2 };

/* Memory files, typed streams and compression. A typed stream holds
 * containers in the host's own stream format (the format of its preference
 * and document files), one after the other. */
typedef struct GxaStreamFns {
  uint32_t size;
  GxaMemoryFile* (*memory_create)(void);
  void (*memory_destroy)(GxaMemoryFile* mem);
  /* Replace the content by a copy of bytes, to be read from the start. */
  bool (*memory_set)(GxaMemoryFile* mem, const void* bytes, size_t count);
  /* Copies up to cap bytes of the content; returns the full size. */
  int64_t (*memory_get)(const GxaMemoryFile* mem, void* buf, size_t cap);

  GxaStream* (*stream_create)(void);
  void (*stream_destroy)(GxaStream* s);
  /* Open on mem (borrowed until close) for GXA_STREAM_READ or _WRITE;
   * writing empties mem first. */
  bool (*stream_open)(GxaStream* s, GxaMemoryFile* mem, int32_t mode);
  bool (*stream_write_container)(GxaStream* s, const GxaContainer* c);
  /* Reads the next container into out (its entries are replaced); false
   * for damaged, truncated or foreign data. */
  bool (*stream_read_container)(GxaStream* s, GxaContainer* out);
  /* false when any read or write since open failed. */
  bool (*stream_close)(GxaStream* s);

  /* zlib. Largest compressed size of count bytes. */
  int64_t (*compress_bound)(size_t count);
  /* Compressed size written into dst, or -1 (level 0..9). */
  int64_t (*compress)(const void* src, size_t count, void* dst, size_t cap, int32_t level);
  /* Decompressed size written into dst, or -1 when src is damaged or does
   * not fit into cap. */
  int64_t (*decompress)(const void* src, size_t count, void* dst, size_t cap);
} GxaStreamFns;

/* ================================================================= presets */
typedef struct GxaPresetType GxaPresetType; /* a preset type registered with the browser */
/* Items of the preset library are named by URL: "preset:/" + library file
 * ("user.libvx", "source.libvx") + folders + name, joined with "/". */
enum { GXA_PRESET_KIND_FOLDER = 1, GXA_PRESET_KIND_PRESET = 3 };

/* A preset type's operations (browser -> module). user is the pointer given
 * at registration; a preset is the module's object made by open. */
typedef struct GxaPresetTypeCallbacks {
  uint32_t size;
  void (*destroy)(void* user); /* the browser is done with the type */
  int32_t (*type_id)(void* user);
  int64_t (*type_name)(void* user, char* buf, size_t cap);
  /* A preset object for url; flags (3 words) receives the type's flags. */
  void* (*open)(void* user, const char* url, int32_t flags[3]);
  void (*close)(void* user, void* preset);
  /* Fill bitmap (already created) with the preset's thumbnail. */
  bool (*thumbnail)(void* user, void* preset, GxaBitmap* bitmap);
  /* Load the preset. target NULL applies it where the type applies presets
   * (swatches: the active document). */
  bool (*load)(void* user, void* preset, GxaContainer* target);
  /* Store what the module has pending as the item at url. */
  int32_t (*save)(void* user, const char* url, int32_t flags);
} GxaPresetTypeCallbacks;

/* One stored item, as the browser reports it. */
typedef struct GxaPresetItemInfo {
  int32_t kind;        /* GXA_PRESET_KIND_* */
  int32_t type_id;     /* the preset type, 0 for folders */
  int32_t compression; /* GXA_COMPRESSION_* of the binary data */
  int64_t data_size;   /* bytes of binary data as stored */
  int64_t raw_size;    /* bytes once decompressed */
} GxaPresetItemInfo;

/* The preset browser. The host publishes it also as library 1017645
 * (GxaPresetBrowserLibrary), where a module looks it up to register. */
typedef struct GxaPresetFns {
  uint32_t size;
  /* Returns the type's handle, NULL when the ID is taken. */
  GxaPresetType* (*register_type)(int32_t type_id, const char* name, const GxaPresetTypeCallbacks* callbacks,
                                  void* user);
  /* Completes a registration; flags 0. false leaves the type unregistered. */
  bool (*complete_registration)(GxaPresetType* type, int32_t flags);
  void (*unregister_type)(GxaPresetType* type);

  /* false when there is no item at url. */
  bool (*item_info)(const char* url, GxaPresetItemInfo* out);
  int64_t (*item_name)(const char* url, char* buf, size_t cap);
  int64_t (*item_text)(const char* url, char* buf, size_t cap);
  bool (*item_set_text)(const char* url, const char* text);
  /* Copies up to cap bytes of the stored binary data; returns its size or -1. */
  int64_t (*item_data)(const char* url, void* buf, size_t cap);
  bool (*item_delete)(const char* url);
  /* Stores a preset item (written atomically). thumbnail may be NULL. Fails
   * when an item exists at url. */
  bool (*store_preset)(const char* url, int32_t type_id, const void* data, size_t count, int32_t compression,
                       int64_t raw_size, const GxaBitmap* thumbnail);
  /* The URLs of the items of folder_url, one a line, in the browser's order. */
  int64_t (*list_folder)(const char* folder_url, char* buf, size_t cap);
  /* Shows the preset browser opened at folder_url and returns when the user
   * closes it; false when this host cannot show it. */
  bool (*open_browser)(const char* folder_url);
} GxaPresetFns;

#define GXA_LIB_PRESETBROWSER 1017645
typedef struct GxaPresetBrowserLibrary {
  GxaLibraryHeader header; /* version 1000 */
  const GxaPresetFns* fns;
} GxaPresetBrowserLibrary;

/* ================================================================ platform */
/* Desktop services for the screen picker. Desktop coordinates are logical
 * pixels of the whole desktop (what windows are placed in); pixels are read
 * at physical positions, which the optional logical_to_physical conversion
 * gives where monitors have their own scales. */
typedef struct GxaPickerWindow GxaPickerWindow; /* a covering input window */
typedef struct GxaPickerCursor GxaPickerCursor; /* a cursor made from an image */

/* How this desktop lets a colour be picked. */
enum {
  GXA_PICKING_NONE = 0,    /* no desktop: nothing can be picked */
  GXA_PICKING_WINDOWS = 1, /* covering windows and pixel reads (X11, the virtual desktop) */
  GXA_PICKING_DESKTOP = 2  /* the desktop picks on the user's behalf (pick_color) */
};

enum { GXA_MONITOR_PRIMARY = 1 };
typedef struct GxaMonitorInfo {
  int32_t left, top, right, bottom;                     /* the monitor, right/bottom exclusive */
  int32_t work_left, work_top, work_right, work_bottom; /* the part that panels leave free */
  int32_t flags;                                        /* GXA_MONITOR_* */
  double scale;                                         /* physical pixels per logical pixel */
} GxaMonitorInfo;

/* What a picker window receives. */
enum {
  GXA_WINDOW_MOUSE_MOVE = 1,  /* x, y: pointer position, client coordinates */
  GXA_WINDOW_BUTTON_DOWN = 2, /* channel 1 left, 2 right, 3 middle; x, y */
  GXA_WINDOW_BUTTON_UP = 3,   /* channel; x, y */
  GXA_WINDOW_WHEEL = 4,       /* wheel: notches, positive away from the user; x, y */
  GXA_WINDOW_KEY_DOWN = 5,    /* key: the host's key code (GXA_KEY_*, letters upper-case ASCII) */
  GXA_WINDOW_KEY_UP = 6       /* key */
};
typedef struct GxaWindowMessage {
  int32_t kind;
  int32_t x, y;
  int32_t channel;
  int32_t key;
  double wheel;
} GxaWindowMessage;

/* A window class's message handler (host -> module), called on the UI
 * thread from the host's own event loop, never inside another module call.
 * The window is valid during the call; the handler may destroy it (and its
 * siblings), after which no more messages of theirs arrive. Answer true when
 * handled; false lets the desktop's default handling have the message. */
typedef bool (*GxaWindowProc)(GxaPickerWindow* window, const GxaWindowMessage* msg);

/* A point in logical desktop coordinates into physical ones, in place.
 * false when the point lies on no monitor (it is then left as it was). */
typedef bool (*GxaLogicalToPhysicalFn)(int32_t* x, int32_t* y);

/* The answer of a desktop pick (host -> module), called once from the
 * host's event loop unless cancel_pick came first. response is the desktop
 * portal's: 0 picked (rgb holds the colour, 0..1), 1 cancelled by the user,
 * 2 ended another way (rgb is then NULL). */
typedef void (*GxaPickAnswerFn)(void* user, int32_t response, const double* rgb);

typedef struct GxaPlatformFns {
  uint32_t size;
  /* GXA_PICKING_*; may change between calls (a display came or went). */
  int32_t (*picking_mode)(void);
  /* The desktop's per-monitor logical-to-physical conversion, or NULL when
   * the desktop has none (points are then physical already). Static. */
  GxaLogicalToPhysicalFn (*find_logical_to_physical)(void);

  /* A cursor from w * h RGBA8 pixels (rows top down, alpha 0 transparent)
   * with its hot spot; NULL when the desktop cannot make one. Owned by the
   * caller: cursor_destroy. */
  GxaPickerCursor* (*cursor_create)(const uint8_t* rgba, int32_t w, int32_t h, int32_t hot_x, int32_t hot_y);
  void (*cursor_destroy)(GxaPickerCursor* cursor);
  /* Register (or register again, replacing) a window class: its name, its
   * message handler and the cursor shown over its windows (NULL: the
   * desktop's own). The cursor must outlive the class's windows. */
  bool (*register_window_class)(const char* name, GxaWindowProc proc, const GxaPickerCursor* cursor);

  /* Connect to the desktop for pixel reads; false when there is none.
   * Balanced by close_desktop; nests. */
  bool (*open_desktop)(void);
  void (*close_desktop)(void);
  /* Monitors in the desktop's own order; count 0 when open_desktop failed. */
  int32_t (*monitor_count)(void);
  /* Monitor index; false when its information cannot be read (a monitor
   * gone since the count, or one that lies outside the desktop). The
   * rectangle is clamped to the desktop. */
  bool (*monitor_info)(int32_t index, GxaMonitorInfo* out);
  /* A shown, top-most, borderless window of a registered class covering
   * x, y, w, h (desktop coordinates). It takes every pointer and key message
   * over it and draws nothing of its own: pixel reads see what lies below.
   * NULL on failure. Owned by the caller: destroy_window. */
  GxaPickerWindow* (*create_window)(const char* class_name, const char* title, int32_t x, int32_t y, int32_t w,
                                    int32_t h);
  void (*destroy_window)(GxaPickerWindow* window);
  /* A client point of window into desktop coordinates, in place. */
  bool (*client_to_screen)(GxaPickerWindow* window, int32_t* x, int32_t* y);
  /* The pixel at a physical desktop position as 0x00BBGGRR (red in bits
   * 0-7). false where there is no pixel (outside every monitor, a monitor
   * unplugged meanwhile); never fatal. */
  bool (*read_pixel)(int32_t x, int32_t y, uint32_t* pixel);
  /* The picker's windows are gone: show dlg's window again as it is and give
   * it back the keyboard focus. */
  void (*activate_window)(GxaDialog* dlg);

  /* GXA_PICKING_DESKTOP: ask the desktop to let the user pick a colour.
   * true when the request is under way (answer follows); false when the
   * desktop cannot (the host then tells the user why). One at a time. */
  bool (*pick_color)(GxaPickAnswerFn answer, void* user);
  /* Forget a pick under way: its answer never comes. */
  void (*cancel_pick)(void);
} GxaPlatformFns;

/* ============================================================== top table */
typedef struct GxaHostTable {
  int32_t version; /* the host's interface version: first 32-bit word */
  uint32_t size;   /* size of this table in bytes */
  const GxaRegistryFns* registry;
  const GxaResourceFns* resources;
  const GxaContainerFns* containers;
  const GxaDataFns* data;
  const GxaDocumentFns* documents;
  const GxaEventFns* events;
  const GxaDiagnosticFns* diagnostics;
  const GxaFilenameFns* filenames;
  const GxaDialogFns* dialogs;
  const GxaUserAreaFns* userareas;
  const GxaInputFns* input;
  const GxaBitmapFns* bitmaps;
  const GxaColorFns* color;
  const GxaStreamFns* streams;
  const GxaPresetFns* presets;
  const GxaPlatformFns* platform;
} GxaHostTable;

/* Record whose first field module message 1 clears (the host keeps a cached
 * resource pointer there). */
typedef struct GxaModuleMessageData {
  void* cached;
  int64_t reserved;
} GxaModuleMessageData;

/* ========================================================= module exports */
enum { GXA_ACTION_INIT = 1, GXA_ACTION_START = 2, GXA_ACTION_END = 3, GXA_ACTION_QUERY = 4, GXA_ACTION_MESSAGE = 6 };
enum { GXA_MODMSG_RESOURCES = 1, GXA_MODMSG_REGISTER_PRESETS = 1000, GXA_MODMSG_FREE_PRESETS = 1001 };

/* action 1: p1 = const GxaHostTable*, p3 = const GxaFilename* (module path).
 * action 6: p1 = message ID (low 32 bits of the pointer value), p2 = message data. */
typedef int32_t (*GxaMainFn)(int32_t action, void* p1, void* p2, void* p3);
#define GXA_MAIN_SYMBOL "gxa_main"
/* A slot the host may fill with a function that yields the CPU. */
#define GXA_CPU_YIELD_SYMBOL "gxa_cpu_yield"
/* The module marker: a uint32 equal to GXA_MODULE_MAGIC. */
#define GXA_MODULE_MARKER_SYMBOL "gxa_module_marker"
#define GXA_MODULE_MAGIC 0x47584131u
typedef void (*GxaCpuYieldFn)(void);

/* Published library tables of the colour chooser (module -> host, others). */
enum {
  GXA_LIB_CUSTOMGUI = 1000492,
  GXA_LIB_COLORTOOLS = 1036596,
  GXA_LIB_SWATCHDATA = 1036600,
  GXA_LIB_SWATCHGROUP = 1036601
};

/* The custom GUI table (1000492): each entry takes the chooser object first.
 * 264 bytes: header + 32 slots, 12 filled in this order. */
typedef struct GxaCustomGuiTable {
  GxaLibraryHeader header;
  void (*hook)(void* obj);                               /* slot 11 */
  bool (*query12)(void* obj);                            /* slot 12 */
  bool (*query9)(void* obj);                             /* slot 9 */
  bool (*query10)(void* obj);                            /* slot 10 */
  bool (*query13)(void* obj);                            /* slot 13 */
  bool (*reset)(void* obj);                              /* slot 14: InitValues */
  bool (*set_data)(void* obj, const GxaTriState* value); /* slot 15 */
  bool (*get_data)(void* obj, GxaTriState* out);         /* slot 16: fills out->value */
  bool (*set_layout_mode)(void* obj, int32_t mode);      /* slot 19 */
  int32_t (*layout_mode)(void* obj);                     /* slot 20 */
  bool (*layout_switch_supported)(void* obj);            /* slot 17 */
  bool (*extra_query)(void* obj);                        /* slot 21 */
  void* unused[20];
} GxaCustomGuiTable;

/* Where a colour tools entry puts the colours it makes: the caller's own
 * growable storage behind append, which answers false when it cannot take
 * one more colour (three doubles, red, green, blue). */
typedef struct GxaColorSink {
  void* user;
  bool (*append)(void* user, const double rgb[3]);
} GxaColorSink;

/* The colour tools library (1036596): 152 bytes, 18 entries. Texts come out
 * through (buf, cap) and return their full length. */
typedef struct GxaColorToolsTable {
  GxaLibraryHeader header;
  int64_t (*color_to_rgb_text)(const double rgb[3], char* buf, size_t cap);        /* 0 */
  int64_t (*color_to_hsv_text)(const double rgb[3], char* buf, size_t cap);        /* 1 */
  int64_t (*to_8bit)(double c);                                                    /* 2 */
  double (*from_8bit)(int64_t n);                                                  /* 3 */
  void (*color_to_8bit)(const double rgb[3], int64_t* r, int64_t* g, int64_t* b);  /* 4 */
  void (*color_from_8bit)(int64_t r, int64_t g, int64_t b, double out[3]);         /* 5 */
  int32_t (*to_16bit)(double c);                                                   /* 6 */
  double (*from_16bit)(int32_t n);                                                 /* 7 */
  void (*color_to_16bit)(const double rgb[3], int32_t* r, int32_t* g, int32_t* b); /* 8 */
  void (*color_from_16bit)(int32_t r, int32_t g, int32_t b, double out[3]);        /* 9 */
  void (*kelvin_to_color)(double kelvin, double tint, double out[3]);              /* 10 */
  /* 11-17: harmonies of an RGB colour, on the RGB wheel or (ryb) the painter's
   * wheel. Each appends the start colour, then the derived ones, all with the
   * start colour's saturation and value, to out; false when out refuses a
   * colour (what was appended stays). Angles are radians. */
  bool (*harmony_complementary)(const double rgb[3], bool ryb, GxaColorSink* out);                     /* 11 */
  bool (*harmony_split)(const double rgb[3], bool ryb, GxaColorSink* out);                             /* 12 */
  bool (*harmony_tetrad)(const double rgb[3], bool ryb, GxaColorSink* out);                            /* 13 */
  bool (*harmony_analog)(const double rgb[3], int32_t count, bool ryb, GxaColorSink* out);             /* 14 */
  bool (*harmony_equi)(const double rgb[3], int32_t count, bool ryb, GxaColorSink* out);               /* 15 */
  bool (*harmony_steps)(const double rgb[3], int32_t count, double step, bool ryb, GxaColorSink* out); /* 16 */
  /* count colours from rgb to second, then second itself; false for count < 1. */
  bool (*harmony_gradient)(const double rgb[3], const double second[3], int32_t count, bool ryb,
                           GxaColorSink* out); /* 17 */
} GxaColorToolsTable;

/* Swatch data: two collections of swatch groups, 0 global (world preference
 * 1127), 1 document (the document's data container). A GxaSwatchData comes
 * from entry 0 and is released with entry 1; groups inside it belong to it
 * and stay valid until the next change of its structure. A group from the
 * group library's entry 0 belongs to the caller (entry 1 frees it).
 * Colours cross as four doubles: red, green, blue, alpha; arrays of colours
 * as count * 4 doubles. Collection indices other than 0 and 1 fail. */
typedef struct GxaSwatchData GxaSwatchData;
typedef struct GxaSwatchGroup GxaSwatchGroup;

/* One swatch as a group holds it (group library entry 8 edits it in place). */
typedef struct GxaSwatchRecord {
  double red, green, blue, alpha;
  bool selected;
} GxaSwatchRecord;

/* The swatch data library (1036600): 176 bytes, 21 entries. */
typedef struct GxaSwatchDataTable {
  GxaLibraryHeader header;
  /* 0: a new object read from doc (may be NULL) and, with with_global, the
   * world preferences; NULL only when it cannot be allocated. */
  GxaSwatchData* (*load)(GxaDocument* doc, bool with_global);
  void (*free)(GxaSwatchData** data); /* 1: frees it with its groups, clears *data */
  /* 2: read again into data; append keeps the groups already there. */
  bool (*reload)(GxaSwatchData* data, GxaDocument* doc, bool append, bool with_global);
  /* 3: write collection 1 into doc (when given) and 0 into the preferences. */
  bool (*save)(GxaSwatchData* data, GxaDocument* doc, bool with_global);
  bool (*load_preset_by_name)(GxaSwatchData* data, const char* name, bool merge); /* 4 */
  bool (*load_preset_by_url)(GxaSwatchData* data, const char* url, bool merge);   /* 5 */
  /* 6, 7: store the document swatches as a preset; text may be NULL. */
  bool (*save_preset_by_name)(GxaSwatchData* data, const char* name, const char* text, bool overwrite);
  bool (*save_preset_by_url)(GxaSwatchData* data, const char* url, const char* text, bool overwrite);
  /* 8: the URLs of the swatch presets of the default folder, one a line. */
  int64_t (*list_presets)(char* buf, size_t cap);
  bool (*is_swatch_preset)(const char* url);                                                                 /* 9 */
  int64_t (*default_folder)(char* buf, size_t cap);                                                          /* 10 */
  bool (*merge)(GxaSwatchData* data, const GxaSwatchData* other, bool include_global);                       /* 11 */
  bool (*copy_from)(GxaSwatchData* data, const GxaSwatchData* other);                                        /* 12 */
  int32_t (*group_count)(const GxaSwatchData* data, int32_t collection);                                     /* 13 */
  GxaSwatchGroup* (*group_at)(GxaSwatchData* data, int32_t index, int32_t collection);                       /* 14 */
  bool (*set_group_at)(GxaSwatchData* data, int32_t index, const GxaSwatchGroup* group, int32_t collection); /* 15 */
  /* 16: a new group at index (0..count) of the collection; borrowed, NULL on failure. */
  GxaSwatchGroup* (*create_group)(GxaSwatchData* data, int32_t collection, const char* name, bool selected,
                                  int32_t index, const double* rgba, int32_t count);
  bool (*insert_group)(GxaSwatchData* data, const GxaSwatchGroup* group, int32_t index, int32_t collection); /* 17 */
  bool (*remove_group)(GxaSwatchData* data, int32_t index, int32_t collection);                              /* 18 */
  bool (*remove_selected)(GxaSwatchData* data);                                                              /* 19 */
  void (*flush)(GxaSwatchData* data);                                                                        /* 20 */
} GxaSwatchDataTable;

/* The swatch group library (1036601): 200 bytes, 24 entries. */
typedef struct GxaSwatchGroupTable {
  GxaLibraryHeader header;
  /* 0: owned by the caller; rgba may be NULL when count is 0. */
  GxaSwatchGroup* (*alloc)(const char* name, bool selected, const double* rgba, int32_t count);
  void (*free)(GxaSwatchGroup** group);                                    /* 1 */
  bool (*append)(GxaSwatchGroup* group, const GxaSwatchGroup* other);      /* 2 */
  bool (*copy)(GxaSwatchGroup* group, const GxaSwatchGroup* other);        /* 3 */
  int64_t (*get_name)(const GxaSwatchGroup* group, char* buf, size_t cap); /* 4 */
  bool (*set_name)(GxaSwatchGroup* group, const char* name);               /* 5 */
  int32_t (*color_count)(const GxaSwatchGroup* group);                     /* 6 */
  /* 7: selected may be NULL. */
  bool (*get_color)(const GxaSwatchGroup* group, int32_t index, double rgba[4], bool* selected);
  /* 8: the record itself, valid until the group changes; NULL out of range. */
  GxaSwatchRecord* (*get_color_edit)(GxaSwatchGroup* group, int32_t index, bool* selected);
  /* 9: copies up to cap colours, returns how many there are. */
  int32_t (*get_colors)(const GxaSwatchGroup* group, double* rgba, int32_t cap, bool selected_only);
  /* 10: selection 0 deselects, 1 selects, other values keep it. */
  bool (*set_color)(GxaSwatchGroup* group, int32_t index, const double rgba[4], int32_t selection);
  /* 11: index -1 appends; the new swatch's index, -1 on failure. */
  int32_t (*add_color)(GxaSwatchGroup* group, const double rgba[4], bool selected, int32_t index);
  /* 12: the index of the first new swatch, -1 for an empty array or on failure. */
  int32_t (*add_colors)(GxaSwatchGroup* group, const double* rgba, int32_t count, bool selected, bool insert,
                        int32_t index);
  void (*reset)(GxaSwatchGroup* group);                                         /* 13 */
  bool (*remove_colors)(GxaSwatchGroup* group, int32_t start, int32_t count);   /* 14 */
  bool (*remove_selected_colors)(GxaSwatchGroup* group);                        /* 15 */
  bool (*has_duplicates)(const GxaSwatchGroup* group);                          /* 16 */
  bool (*remove_duplicates)(GxaSwatchGroup* group);                             /* 17 */
  void (*invert_selection)(GxaSwatchGroup* group);                              /* 18 */
  bool (*set_color_selected)(GxaSwatchGroup* group, int32_t index, bool value); /* 19 */
  bool (*is_color_selected)(const GxaSwatchGroup* group, int32_t index);        /* 20 */
  void (*select_group)(GxaSwatchGroup* group, bool value);                      /* 21 */
  bool (*is_group_selected)(const GxaSwatchGroup* group);                       /* 22 */
  void (*sort_colors)(GxaSwatchGroup* group);                                   /* 23 */
} GxaSwatchGroupTable;

#ifdef __cplusplus
}
#endif

#endif /* GXA_API_H */
