// How the module's classes include each other: the chooser owns its panels
// and knows them all, so no panel, gadget or helper of the chooser may reach
// back to the chooser's own headers, directly or through others. Files of a
// class (its header and the .cpp files named after it) count as one node.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;
using Graph = std::map<std::string, std::set<std::string>>;

const fs::path& SourceRoot()
{
  static const fs::path root = fs::path(GXA_TEST_DATA) / ".." / ".." / "source";
  return root;
}

std::vector<std::string> IncludesOf(const fs::path& file)
{
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  const std::string body = text.str();
  static const std::regex include("#include \"([^\"]+)\"");
  std::vector<std::string> found;
  for (std::sregex_iterator it(body.begin(), body.end(), include), end; it != end; ++it)
    found.push_back((*it)[1]);
  return found;
}

// Header paths relative to source/, as written in the includes.
std::string Resolve(const std::string& from, const std::string& include, const std::set<std::string>& headers)
{
  if (headers.count(include))
    return include;
  const std::string beside = (fs::path(from).parent_path() / include).lexically_normal().generic_string();
  return headers.count(beside) ? beside : std::string();
}

// A header is its own class; a .cpp file belongs to the header of its name,
// or of the longest name its own name starts with (colorchooserguilayout.cpp
// is the chooser's).
std::string ClassOf(const std::string& file, const std::set<std::string>& headers)
{
  const fs::path path(file);
  const std::string stem = (path.parent_path() / path.stem()).generic_string();
  if (path.extension() == ".h" || headers.count(stem + ".h"))
    return stem;
  std::string best;
  for (const std::string& include : IncludesOf(SourceRoot() / file))
  {
    const std::string header = Resolve(file, include, headers);
    const std::string name = fs::path(header).stem().string();
    if (!header.empty() && path.stem().string().rfind(name, 0) == 0 && header.size() > best.size())
      best = header;
  }
  return best.empty() ? stem : best.substr(0, best.size() - 2);
}

Graph ClassGraph()
{
  std::vector<std::string> files;
  std::set<std::string> headers;
  for (const auto& entry : fs::recursive_directory_iterator(SourceRoot()))
  {
    const std::string ext = entry.path().extension().string();
    if (ext != ".h" && ext != ".cpp")
      continue;
    const std::string file = fs::relative(entry.path(), SourceRoot()).generic_string();
    files.push_back(file);
    if (ext == ".h")
      headers.insert(file);
  }
  Graph graph;
  for (const std::string& file : files)
  {
    const std::string from = ClassOf(file, headers);
    graph[from];
    for (const std::string& include : IncludesOf(SourceRoot() / file))
    {
      const std::string header = Resolve(file, include, headers);
      const std::string to = header.empty() ? std::string() : header.substr(0, header.size() - 2);
      if (!to.empty() && to != from)
        graph[from].insert(to);
    }
  }
  return graph;
}

// The strongly connected components with more than one class.
std::vector<std::set<std::string>> Circles(const Graph& graph)
{
  std::map<std::string, int> index, low;
  std::vector<std::string> stack;
  std::set<std::string> onStack;
  std::vector<std::set<std::string>> circles;
  int next = 0;
  std::function<void(const std::string&)> visit = [&](const std::string& v) {
    index[v] = low[v] = next++;
    stack.push_back(v);
    onStack.insert(v);
    for (const std::string& w : graph.at(v))
    {
      if (!index.count(w))
      {
        visit(w);
        low[v] = std::min(low[v], low[w]);
      }
      else if (onStack.count(w))
      {
        low[v] = std::min(low[v], index[w]);
      }
    }
    if (low[v] != index[v])
      return;
    std::set<std::string> component;
    std::string w;
    do
    {
      w = stack.back();
      stack.pop_back();
      onStack.erase(w);
      component.insert(w);
    } while (w != v);
    if (component.size() > 1)
      circles.push_back(component);
  };
  for (const auto& [v, edges] : graph)
  {
    if (!index.count(v))
      visit(v);
  }
  return circles;
}

std::string Describe(const std::set<std::string>& circle)
{
  std::string text;
  for (const std::string& name : circle)
    text += " " + name;
  return text;
}

TEST(SourceIncludes, TheChooserItsPanelOwnerAndItsViewAreInNoCircle)
{
  const Graph graph = ClassGraph();
  ASSERT_TRUE(graph.count("colorchoosergui")) << SourceRoot();
  ASSERT_TRUE(graph.count("colormodes/colorinterfacehex"));
  for (const std::set<std::string>& circle : Circles(graph))
  {
    for (const char* owner :
         {"colorchoosergui", "panelset", "chooserpanels", "utils/chooserview", "utils/colorinterface"})
      EXPECT_FALSE(circle.count(owner)) << owner << " is in a circle of " << circle.size() << ":" << Describe(circle);
  }
}

TEST(SourceIncludes, NoPanelOrGadgetIncludesTheChooserItself)
{
  const Graph graph = ClassGraph();
  for (const auto& [name, includes] : graph)
  {
    // The plug-in data creates the chooser: the one class besides it that may know it.
    if (name == "colorchooserdata")
      continue;
    EXPECT_FALSE(includes.count("colorchoosergui")) << name;
  }
}
}  // namespace
