#include "utils/perceptualtools.h"

#include "chooserids.h"
#include "hostservices.h"

bool PerceptualTools::IsOn()
{
  const BaseContainer prefs = GetWorldPreferences();
  return prefs.IsValid() && prefs.GetBool(chooser::kPrefPerceptualTools, false);
}
