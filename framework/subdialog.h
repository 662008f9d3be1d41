#pragma once
// A dialog shown inside another one (GeDialog::AttachSubDialog), or by the
// host as a custom GUI gadget.
#include "gedialog.h"

class SubDialog : public GeDialog
{};
