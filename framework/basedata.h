#pragma once
// The root of the module's plug-in data objects that the host holds on to.
class BaseData
{
public:
  virtual ~BaseData() = default;
};
