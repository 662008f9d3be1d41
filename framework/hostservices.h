#pragma once
// Small host services that need no object of their own: preferences,
// documents, broadcast, input state, interface resources and the colour
// family. Each answers a neutral value when the host lacks the service.
#include <cstdint>

#include "basecontainer.h"
#include "gxa_api.h"
#include "gxastring.h"
#include "vector.h"

// The world preferences, writable; an invalid alias without them.
BaseContainer GetWorldPreferences();

GxaDocument* GetActiveDocument();
// The document's data container, writable; invalid without a document.
BaseContainer GetDocumentData(GxaDocument* doc);
// A copy of the document's settings.
BaseContainer GetDocumentSettings(GxaDocument* doc);
std::int32_t GetObjectType(const GxaObject* object);
void MarkDocumentChanged(GxaDocument* doc);

// Queues event id for every open dialog, delivered after the current call.
void PostEvent(std::int32_t id, std::int64_t arg1, std::int64_t arg2);

// The present state of a device channel into out; false when unknown.
bool GetInputState(std::int32_t device, std::int32_t channel, BaseContainer& out);
bool IsHotkeyDown(std::int32_t hotkeyId);

struct IconData
{
  GxaBitmap* bitmap = nullptr;  // borrowed, lives as the host
  std::int32_t x = 0, y = 0, w = 0, h = 0;
};
bool GetIcon(std::int32_t iconId, IconData& out);
// Icon pixels per logical pixel; 1 without the service.
double GetInterfaceScale();
// False for an unknown ID.
bool GetInterfaceColor(std::int32_t colorId, Vector& out);

// The host's colour-space transform (GXA_TRANSFORM_*); the colour passes
// unchanged when the host cannot convert it.
Vector TransformColor(const Vector& color, std::int32_t code);
// value in the host's number format for unit (GXA_UNIT_*).
String FormatNumber(double value, std::int32_t unit);
