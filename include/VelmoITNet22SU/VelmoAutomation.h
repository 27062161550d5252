/*
 * The automation face of clsVelmoITNet22SU for hosts that are not written in C++
 * (scripting languages through their foreign-function interface, other runtimes).
 * A plain C interface: create the object by class id or ProgID, call its ten
 * members by name with small variants, release it. Every call that can fail
 * returns a result code; after a failure VelmoErrorMessage() gives the text, for
 * a failed operation the message of the database or service.
 *
 * All calls belong on the host's user-interface thread. Creating the first object
 * creates the process's application object when the host has none.
 */
#ifndef VELMOITNET22SU_VELMOAUTOMATION_H
#define VELMOITNET22SU_VELMOAUTOMATION_H

#include <stdint.h>

#if defined(_WIN32)
#if defined(VelmoITNet22SU_EXPORTS)
#define VELMO_AUTOMATION_API __declspec(dllexport)
#else
#define VELMO_AUTOMATION_API __declspec(dllimport)
#endif
#else
#define VELMO_AUTOMATION_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes: 0 is success, failures are negative (the automation values). */
#define VELMO_S_OK ((int32_t)0)
#define VELMO_E_FAIL ((int32_t)0x80004005)
#define VELMO_E_POINTER ((int32_t)0x80004003)
#define VELMO_E_INVALIDARG ((int32_t)0x80070057)
#define VELMO_E_CLASSNOTAVAILABLE ((int32_t)0x80040111)
/* The registry could not be written during (un)registration. */
#define VELMO_E_REGISTRATION ((int32_t)0x80040201)
/* No member has that name. */
#define VELMO_E_UNKNOWNNAME ((int32_t)0x80020006)
/* The member exists but not for this kind of call (a put on an operation). */
#define VELMO_E_MEMBERNOTFOUND ((int32_t)0x80020003)
#define VELMO_E_TYPEMISMATCH ((int32_t)0x80020005)
#define VELMO_E_OVERFLOW ((int32_t)0x8002000A)
#define VELMO_E_BADPARAMCOUNT ((int32_t)0x8002000E)
#define VELMO_E_PARAMNOTOPTIONAL ((int32_t)0x8002000F)
/* The operation ran and failed; VelmoErrorMessage() holds its message. */
#define VELMO_E_EXCEPTION ((int32_t)0x80020009)

/* Variant types. */
#define VELMO_VT_EMPTY 0
#define VELMO_VT_I2 2
#define VELMO_VT_I4 3
#define VELMO_VT_R8 5
#define VELMO_VT_STRING 8 /* UTF-8, NUL-terminated */
/* A database connection, given by its connection string ("Server=;Port=;Database=;
 * Uid=;Pwd=;Socket="). The library keeps one unopened connection per distinct string;
 * clsAPI opens it. Hosts that pass the same string share the same connection. */
#define VELMO_VT_CONNECTION 9
#define VELMO_VT_BOOL 11 /* 0 is False, anything else True; results use -1 for True */

typedef struct VelmoVariant {
    int32_t type;
    union {
        int16_t i2;
        int32_t i4;
        int32_t boolean;
        double r8;
        /* VELMO_VT_STRING and VELMO_VT_CONNECTION. In arguments the caller owns it;
         * in a result the library does, until VelmoVariantClear(). */
        char *string;
    } value;
} VelmoVariant;

/* What an invocation asks of a member. A property is read with GET (or METHOD)
 * and no arguments, written with PUT and one argument; an operation takes METHOD. */
#define VELMO_INVOKE_METHOD 1
#define VELMO_INVOKE_PROPERTYGET 2
#define VELMO_INVOKE_PROPERTYPUT 4

typedef struct VelmoObject VelmoObject;

/* Creates clsVelmoITNet22SU. classIdOrProgId is the class id ("{...}", any case) or
 * the ProgID "VelmoITNet22SU.clsVelmoITNet22SU" (any case). */
VELMO_AUTOMATION_API int32_t VelmoCreateInstance(const char *classIdOrProgId, VelmoObject **object);

/* Calls a member by name (any case). arguments are in declaration order; trailing
 * optional ones may be left out. result may be NULL; otherwise it receives the
 * property's value or the operation's result (VELMO_VT_EMPTY when there is none)
 * and must be cleared with VelmoVariantClear(). */
VELMO_AUTOMATION_API int32_t VelmoInvoke(VelmoObject *object, const char *memberName,
                                         int32_t invokeKind, const VelmoVariant *arguments,
                                         int32_t argumentCount, VelmoVariant *result);

/* Destroys the object. The host context it filled stays for the process. */
VELMO_AUTOMATION_API void VelmoRelease(VelmoObject *object);

/* Frees a string the library put into a result and leaves the variant empty. */
VELMO_AUTOMATION_API void VelmoVariantClear(VelmoVariant *variant);

/* The message of the last failed call on this thread (UTF-8), empty after a
 * success. Valid until the next call on this thread. */
VELMO_AUTOMATION_API const char *VelmoErrorMessage(void);

/* Writes or removes the class's registration for the current user: class id with
 * its in-process server path, ProgID, type library and interface. */
VELMO_AUTOMATION_API int32_t DllRegisterServer(void);
VELMO_AUTOMATION_API int32_t DllUnregisterServer(void);

/* The type library's description. */
#define VELMO_INTERFACE_DUAL 0x0040
#define VELMO_INTERFACE_HIDDEN 0x0002

typedef struct VelmoParameterInfo {
    const char *name;
    int32_t type;       /* a VELMO_VT_ value */
    int32_t isOptional; /* nonzero: may be left out; it and all after it */
} VelmoParameterInfo;

typedef struct VelmoMemberInfo {
    const char *name;
    int32_t slot;           /* 1-based position in the default interface */
    int32_t invokeKinds;    /* VELMO_INVOKE_ flags the member accepts */
    int32_t type;           /* the property's or the result's type; EMPTY for none */
    int32_t parameterCount; /* 0 for properties */
    const VelmoParameterInfo *parameters;
} VelmoMemberInfo;

typedef struct VelmoTypeLibrary {
    const char *name;
    uint16_t majorVersion;
    uint16_t minorVersion;
    const char *libraryId;
    const char *className;
    const char *classId;
    const char *progId;
    const char *interfaceName;
    const char *interfaceId;
    int32_t interfaceFlags;
    int32_t memberCount;
    const VelmoMemberInfo *members; /* in slot order */
} VelmoTypeLibrary;

VELMO_AUTOMATION_API const VelmoTypeLibrary *VelmoGetTypeLibrary(void);

#ifdef __cplusplus
}
#endif

#endif
