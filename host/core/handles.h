#pragma once
// The interface's opaque handles are the host's own objects; these casts are
// the one place that says so.
#include "core/container.h"
#include "core/filename.h"
#include "core/value.h"
#include "gxa_api.h"

namespace host {

inline Container* FromHandle(GxaContainer* c) { return reinterpret_cast<Container*>(c); }
inline const Container* FromHandle(const GxaContainer* c) { return reinterpret_cast<const Container*>(c); }
inline GxaContainer* ToHandle(Container* c) { return reinterpret_cast<GxaContainer*>(c); }
inline const GxaContainer* ToHandle(const Container* c) { return reinterpret_cast<const GxaContainer*>(c); }

inline Value* FromHandle(GxaData* d) { return reinterpret_cast<Value*>(d); }
inline const Value* FromHandle(const GxaData* d) { return reinterpret_cast<const Value*>(d); }
inline GxaData* ToHandle(Value* d) { return reinterpret_cast<GxaData*>(d); }
inline const GxaData* ToHandle(const Value* d) { return reinterpret_cast<const GxaData*>(d); }

inline Filename* FromHandle(GxaFilename* f) { return reinterpret_cast<Filename*>(f); }
inline const Filename* FromHandle(const GxaFilename* f) { return reinterpret_cast<const Filename*>(f); }
inline GxaFilename* ToHandle(Filename* f) { return reinterpret_cast<GxaFilename*>(f); }
inline const GxaFilename* ToHandle(const Filename* f) { return reinterpret_cast<const GxaFilename*>(f); }

}  // namespace host
