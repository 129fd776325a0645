/* qordahosts: host types, host detection and listing-line decoding for FTP
   clients. The header is valid C (C99 or later) and C++. */
#ifndef QORDAHOSTS_H
#define QORDAHOSTS_H

#include <stddef.h>
#include <stdint.h>

/* Calling convention of the exports: WINAPI on 32-bit Windows, empty elsewhere. */
#if defined(_WIN32) && !defined(_WIN64)
#define QORDA_CALL __stdcall
#else
#define QORDA_CALL
#endif

#if defined(_WIN32)
#if defined(QORDA_BUILDING_LIBRARY)
/* The DLL's module-definition file, made from its export list, exports. */
#define QORDA_API
#else
#define QORDA_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define QORDA_API __attribute__((visibility("default")))
#else
#define QORDA_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* One decoded listing line: 536 bytes, byte-packed; the offsets are part of
   the interface. */
#pragma pack(push, 1)
typedef struct ListingEntry {
  uint16_t year; /* 0 (unknown) or 1900 to 2038 */
  uint8_t month; /* 1 to 12, 0 when unknown */
  uint8_t day;   /* 1 to 31, 0 when unknown */
  uint8_t hour;
  uint8_t minute;
  uint8_t second;
  uint8_t reserved; /* always 0 */
  int64_t size;     /* bytes, 0 when unknown */
  uint16_t mode;    /* Unix permission bits, valid with FLAG_MODE_VALID */
  uint16_t flags;   /* FLAG_ bits */
  uint8_t kind;     /* one KIND_ value */
  char name[515];   /* zero-terminated, in the listing's code page */
} ListingEntry;
#pragma pack(pop)

enum {
  FLAG_MODE_VALID = 0x0001,   /* mode holds bits read from the line */
  FLAG_NO_TIME = 0x0002,      /* the listing gives no time of day */
  FLAG_YEAR_INFERRED = 0x0004 /* the year was taken from the clock */
};

enum { KIND_UNSTATED = 0, KIND_FILE = 1, KIND_LINK = 2, KIND_DIRECTORY = 4, KIND_OBJECT = 16 };

/* A host type id is HOST_TYPE_BASE plus the index in the host type table;
   HOST_TYPE_BASE itself is AUTO. */
enum { HOST_TYPE_BASE = 6000 };

/* The host type ids by name, with each type's display name. 5995 lies below
   the table and is known only to the decoder; HOST_TYPE_LAST is the highest
   id of the table. */
enum {
  HOST_NAME_LIST = 5995,           /* a plain list of names, no table entry */
  HOST_AUTO = 6000,                /* "AUTO" */
  HOST_CHAMELEON = 6001,           /* "Chameleon" */
  HOST_FTP_PC_TCP = 6002,          /* "FTP PC/TCP" */
  HOST_IBM_PC_TCP_IP = 6003,       /* "IBM PC TCP/IP" */
  HOST_IBM_VM = 6004,              /* "IBM VM" */
  HOST_QB7Q_NOS = 6005,            /* "QB7Q/NOS" */
  HOST_NCSA_CUTCP = 6006,          /* "NCSA/CUTCP" */
  HOST_SI_NT_FTPD = 6007,          /* "SI NT FTPD" */
  HOST_SUPER_TCP = 6008,           /* "Super TCP" */
  HOST_UNISYS_5000_EXOS = 6009,    /* "Unisys 5000 (EXOS)" */
  HOST_UNIX_STANDARD = 6010,       /* "Unix (Standard)" */
  HOST_VMS_MULTINET = 6011,        /* "VMS MultiNet" */
  HOST_VMS_UCX = 6012,             /* "VMS UCX" */
  HOST_QVT_NET_2_3 = 6013,         /* "QVT/Net 2/3" */
  HOST_MAC_NCSA = 6014,            /* "MAC NCSA" */
  HOST_MAC_MORVO_SERVER = 6015,    /* "MAC Morvo Server" */
  HOST_MICROSOFT_NT = 6016,        /* "Microsoft NT" */
  HOST_IBM_AS_400 = 6017,          /* "IBM AS/400" */
  HOST_IBM_MVS = 6018,             /* "IBM MVS" */
  HOST_PDP11_RSX11M = 6019,        /* "PDP11 RSX11M" */
  HOST_SUN_SOLARIS = 6020,         /* "Sun Solaris" */
  HOST_OS_9 = 6021,                /* "OS/9" */
  HOST_LUMBRIX = 6022,             /* "Lumbrix" */
  HOST_BULL_GCOS = 6023,           /* "BULL GCOS" */
  HOST_IBM_MVS_KNET = 6024,        /* "IBM MVS/KNET" */
  HOST_AMIGA = 6025,               /* "Amiga" */
  HOST_CDC_CYBER = 6026,           /* "CDC Cyber" */
  HOST_IBM_R1000 = 6027,           /* "IBM R1000" */
  HOST_BULL_CP6 = 6028,            /* "BULL CP6" */
  HOST_IBM_SPARTACUS_KNET = 6029,  /* "IBM Spartacus KNET" */
  HOST_TANDEM = 6030,              /* "Tandem" */
  HOST_STRATUS_VOS = 6031,         /* "Stratus VOS" */
  HOST_HP_3000 = 6032,             /* "HP/3000" */
  HOST_SERV_U = 6033,              /* "Serv-U" */
  HOST_WFTPD = 6034,               /* "WFTPD" */
  HOST_NETWARE_V4 = 6035,          /* "NetWare v4" */
  HOST_PCNFS_PRO = 6036,           /* "PCNFS-Pro" */
  HOST_TGV_MULTINET = 6037,        /* "TGV MultiNet" */
  HOST_FTP_PC_TCP_3_0 = 6038,      /* "FTP PC/TCP 3.0" */
  HOST_QVT_NET_4_0 = 6039,         /* "QVT/Net 4.0" */
  HOST_MAC_VERSATERM = 6040,       /* "MAC VersaTerm" */
  HOST_HELLSOFT = 6041,            /* "HellSoft" */
  HOST_IBM_OS2_WARP = 6042,        /* "IBM OS2 WARP" */
  HOST_PRIMOS = 6043,              /* "PRIMOS" */
  HOST_OS2200 = 6044,              /* "OS2200" */
  HOST_UNITREE = 6045,             /* "UniTree" */
  HOST_QNX2 = 6046,                /* "QNX2" */
  HOST_WARFTPD = 6047,             /* "WarFTPD" */
  HOST_IBM_OS2 = 6048,             /* "IBM OS2" */
  HOST_MUSIC = 6049,               /* "Music" */
  HOST_AOS_VS = 6050,              /* "AOS/VS" */
  HOST_PASSPORT_160 = 6051,        /* "Passport 160" */
  HOST_GCOS_6_HVS_OS = 6052,       /* "GCOS 6 HVS OS" */
  HOST_NOVELL_LWP = 6053,          /* "Novell LWP" */
  HOST_REFLECTION = 6054,          /* "Reflection" */
  HOST_AMOS_TCP_IP = 6055,         /* "AMOS TCP/IP" */
  HOST_UNISYS_A_SERIES = 6056,     /* "Unisys A-Series" */
  HOST_VXWORKS = 6057,             /* "VxWorks" */
  HOST_GCOS_6_HVS_AIX = 6058,      /* "GCOS 6 HVS AIX" */
  HOST_MLSD = 6059,                /* "MLSD" */
  HOST_OS_9000 = 6060,             /* "OS 9000" */
  HOST_IBM_AS_400_MM_DD_YY = 6061, /* "IBM AS/400 (mm/dd/yy)" */
  HOST_IBM_MVS_C_SERVER = 6062,    /* "IBM MVS/C-Server" */
  HOST_ACI = 6063,                 /* "ACI" */
  HOST_TANDEM_G = 6064,            /* "Tandem-G" */
  HOST_HUMMINGBIRD = 6065,         /* "Hummingbird" */
  HOST_QORDA_SERVER = 6066,        /* "QORDA Server" */
  HOST_IBM_AS_400_DD_MM_YY = 6067, /* "IBM AS/400 (dd/mm/yy)" */
  HOST_CONNECT_ENTERPRISE = 6068,  /* "CONNECT:Enterprise" */
  HOST_CARROX_DMZ = 6069,          /* "Carrox DMZ" */
  HOST_SECURETRANSPORT = 6070,     /* "SecureTransport" */
  HOST_MICROSOFT_IIS = 6071,       /* "Microsoft IIS" */
  HOST_APACHE = 6072,              /* "Apache" */
  HOST_TYPE_LAST = HOST_APACHE
};

#ifdef __cplusplus
#define QORDA_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define QORDA_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif
QORDA_STATIC_ASSERT(sizeof(ListingEntry) == 536, "ListingEntry is 536 bytes");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, year) == 0, "year at 0");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, month) == 2, "month at 2");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, day) == 3, "day at 3");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, hour) == 4, "hour at 4");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, minute) == 5, "minute at 5");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, second) == 6, "second at 6");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, reserved) == 7, "reserved at 7");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, size) == 8, "size at 8");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, mode) == 16, "mode at 16");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, flags) == 18, "flags at 18");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, kind) == 20, "kind at 20");
QORDA_STATIC_ASSERT(offsetof(ListingEntry, name) == 21, "name at 21");
#undef QORDA_STATIC_ASSERT

/* Decodes one listing line for the given host type into *entry and returns
   the length of the decoded name; 0 means the line is no entry (a header, a
   total, a blank line). currentDirectory and datasetPrefix serve the IBM
   mainframe dialects only and may be empty. */
QORDA_API int32_t QORDA_CALL QORDA_DecodeLine(ListingEntry* entry, const char* line,
                                              int32_t hostTypeId, const char* currentDirectory,
                                              const char* datasetPrefix);

/* Removes trailing CR, LF, blanks and tabs in place; returns the new length.
   The decoder trims every line the same way. */
QORDA_API int32_t QORDA_CALL Strip(char* text);

/* The list box and combo box messages the host type list exports send, with
   the values of the Windows user interface, so that a caller can answer them
   without Windows headers. */
enum {
  QORDA_LB_ADDSTRING = 0x0180,
  QORDA_LB_INSERTSTRING = 0x0181,
  QORDA_LB_DELETESTRING = 0x0182,
  QORDA_LB_SETCURSEL = 0x0186,
  QORDA_LB_GETCOUNT = 0x018B,
  QORDA_LB_SETITEMDATA = 0x019A,
  QORDA_CB_ADDSTRING = 0x0143,
  QORDA_CB_DELETESTRING = 0x0144,
  QORDA_CB_GETCOUNT = 0x0146,
  QORDA_CB_INSERTSTRING = 0x014A,
  QORDA_CB_SETCURSEL = 0x014E,
  QORDA_CB_SETITEMDATA = 0x0151
};

#if defined(_WIN32)
/* The caller's HINSTANCE (whose string table holds the AUTO label, string
   188) and the HWND of its list box or combo box. */
typedef void* QORDA_ModuleHandle;
typedef void* QORDA_ControlHandle;
#else
/* A list box or combo box of the caller's toolkit. send_message behaves like
   SendMessageA for the list box and combo box messages the library sends:
   the add and insert messages return the item's position or -1, the count
   message the number of items; the other results are not read. For the add
   and insert messages lparam is a pointer to the zero-terminated item text. */
typedef struct QORDA_ListControl {
  intptr_t (*send_message)(void* context, uint32_t message, uintptr_t wparam, intptr_t lparam);
  void* context;
} QORDA_ListControl;

/* The caller's string resources. load_string behaves like LoadStringA: it
   copies string `id` into buffer (at most size - 1 characters and a
   terminator) and returns the number of characters copied, 0 when the
   string does not exist. */
typedef struct QORDA_StringTable {
  int32_t (*load_string)(void* context, uint32_t id, char* buffer, int32_t size);
  void* context;
} QORDA_StringTable;

/* A null handle answers 0 to every message and holds no strings. */
typedef const QORDA_StringTable* QORDA_ModuleHandle;
typedef QORDA_ListControl* QORDA_ControlHandle;
#endif

/* Appends the host types whose protocol mask shares a bit with
   protocolFilter to the control, each with its host type id as item data,
   then inserts AUTO (under the label of string 188 of module, loaded once)
   at position 0 and selects it. isComboBox is non-zero for a combo box.
   Returns the number of items the control accepted, AUTO included. */
QORDA_API int32_t QORDA_CALL QORDA_AddHostTypesToListBox(QORDA_ModuleHandle module,
                                                         QORDA_ControlHandle control,
                                                         int32_t isComboBox,
                                                         uint32_t protocolFilter);

/* Deletes every item of the control; reserved is not read. Returns 0. */
QORDA_API int32_t QORDA_CALL QORDA_DeleteHostTypes(QORDA_ModuleHandle reserved,
                                                   QORDA_ControlHandle control, int32_t isComboBox);

/* The display name of a host type, given as an id (6000 or more) or a table
   index; null outside the table. The names are constant and not localised:
   index 0 is "AUTO" whatever the label. */
QORDA_API const char* QORDA_CALL QORDA_ReturnHostTypeName(QORDA_ModuleHandle module,
                                                          int32_t hostType);

/* The number of host types in the table: 73. */
QORDA_API int32_t QORDA_CALL QORDA_ReturnMaxHostTypes(void);

/* Sets (set non-zero) or clears the bits of a host type's protocol mask; the
   host type is an id or an index as for QORDA_ReturnHostTypeName. Outside
   the table nothing changes. reserved is not read. Returns 0. */
QORDA_API int32_t QORDA_CALL QORDA_SetHostProtocol(QORDA_ModuleHandle reserved, int32_t hostType,
                                                   uint32_t bits, int32_t set);

/* The host type named by a SYST reply ('215 UNIX Type: L8'), or currentType
   when nothing matches. Runs only while currentType is AUTO or 0. */
QORDA_API int32_t QORDA_CALL QORDA_DetectFromSystString(const char* reply, int32_t currentType);

/* The host type named by a greeting or other server text ('220 Serv-U FTP
   Server v6.0 ready'), or currentType when nothing matches. Runs only while
   currentType is AUTO. */
QORDA_API int32_t QORDA_CALL QORDA_DoAutoCheck(const char* text, int32_t currentType);

#ifdef __cplusplus
}
#endif

#endif
