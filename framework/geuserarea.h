#pragma once
// A user-drawn gadget. The constructor creates the host user area with a
// callback table that forwards to the virtuals below (in the host's slot
// order); a dialog attaches it with GeDialog::AttachUserArea. Drawing calls
// are valid inside DrawMsg or between OffScreenOn and OffScreenOff;
// coordinates are logical and local to the area, rectangles inclusive.
//
//   class Swatch : public GeUserArea {
//     bool GetMinSize(std::int32_t& w, std::int32_t& h) override { w = h = 20; return true; }
//     void DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
//                  const BaseContainer&) override { DrawSetPen(_color); DrawRectangle(x1, y1, x2, y2); }
//   };
#include <cstdint>

#include "basecontainer.h"
#include "gxa_api.h"
#include "gxastring.h"
#include "vector.h"

class BaseBitmap;
class GeData;

class GeUserArea
{
public:
  GeUserArea();
  virtual ~GeUserArea();
  GeUserArea(const GeUserArea&) = delete;
  GeUserArea& operator=(const GeUserArea&) = delete;

  // Host operations, in the host's slot order.
  virtual bool Init();
  virtual bool InitValues();
  // False keeps the host's own minimum.
  virtual bool GetMinSize(std::int32_t& w, std::int32_t& h);
  virtual void Sized(std::int32_t w, std::int32_t h);
  virtual void Draw(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  // The default runs Draw.
  virtual void DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer& msg);
  virtual bool InputEvent(const BaseContainer& msg);
  virtual bool CoreMessage(std::int32_t id, const BaseContainer& msg);
  virtual std::int32_t Message10020(const BaseContainer& msg);
  // Non-zero when handled; the default passes msg to the host.
  virtual std::int32_t Message(const BaseContainer& msg, BaseContainer& result);

  // Null when the host could not create the area, or after it destroyed it.
  GxaUserArea* GetHandle() const { return _ua; }
  // The dialog the area is attached to; null before.
  GxaDialog* GetDialog() const;
  std::int32_t GetId() const;

  void Redraw();
  std::int32_t GetWidth() const;
  std::int32_t GetHeight() const;
  bool IsEnabled() const;
  // Physical pixels per logical pixel.
  std::int32_t GetDisplayScale() const;
  bool Global2Local(std::int32_t& x, std::int32_t& y) const;
  bool Local2Global(std::int32_t& x, std::int32_t& y) const;
  bool SendParentMessage(const BaseContainer& msg);
  // The minimum size changed: the dialog lays out again.
  bool LayoutChanged();
  void SetTimer(std::int32_t ms);

  // Mouse-drag loop.
  void MouseDragStart(std::int32_t channel, double mx, double my);
  // GXA_MOUSEDRAG_*; channels receives qualifiers and button state.
  std::int32_t MouseDrag(double& dx, double& dy, BaseContainer& channels);
  std::int32_t MouseDragEnd();

  // Drawing.
  bool OffScreenOn();
  void OffScreenOff();
  void DrawSetPen(const Vector& rgb);
  void DrawSetPen(std::int32_t colorId);
  void DrawRectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  void DrawBorder(std::int32_t style, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  // Bitmap region (bx, by, bw, bh in bitmap pixels) into (x, y, w, h) logical.
  void DrawBitmap(const BaseBitmap& bmp, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                  std::int32_t bx, std::int32_t by, std::int32_t bw, std::int32_t bh, std::int32_t mode);
  // The same for a borrowed host bitmap (icons).
  void DrawBitmap(GxaBitmap* bmp, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, std::int32_t bx,
                  std::int32_t by, std::int32_t bw, std::int32_t bh, std::int32_t mode);
  void DrawSetTextColor(const Vector& rgb);
  void DrawText(const String& text, std::int32_t x, std::int32_t y, std::int32_t flags);
  std::int32_t DrawGetTextWidth(const String& text) const;
  std::int32_t DrawGetFontHeight() const;
  void SetClippingRegion(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  void ClearClippingRegion();

  // A popup menu at global (x, y); GXA-style 0x7fffffff means the mouse.
  // The chosen ID, 0 when none.
  std::int32_t ShowPopupMenu(std::int32_t x, std::int32_t y, const BaseContainer& menu, std::int32_t flags);
  void SetCursor(std::int32_t cursor);
  // Drags data out of the gadget; true when it was dropped somewhere.
  bool StartDrag(std::int32_t dragType, const GeData& data);
  // Tells the host that the user copied this colour (as shown), so that it
  // can offer it to other programs; nothing on a host that cannot.
  void AnnounceCopiedColor(const Vector& rgb, double alpha, bool hasAlpha);

protected:
  std::int32_t DefaultMessage(const BaseContainer& msg, BaseContainer& result);

private:
  static const GxaUserAreaCallbacks kCallbacks;
  static void OnDestroyed(void* user);
  static bool OnInit(void* user);
  static bool OnInitValues(void* user);
  static bool OnGetMinSize(void* user, std::int32_t* w, std::int32_t* h);
  static void OnSized(void* user, std::int32_t w, std::int32_t h);
  static void OnDraw(void* user, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  static void OnDrawMsg(void* user, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                        const GxaContainer* msg);
  static bool OnInputEvent(void* user, const GxaContainer* msg);
  static bool OnCoreMessage(void* user, std::int32_t id, const GxaContainer* msg);
  static std::int32_t OnMessage10020(void* user, const GxaContainer* msg);
  static std::int32_t OnMessage(void* user, const GxaContainer* msg, GxaContainer* result);

  GxaUserArea* _ua = nullptr;
};
