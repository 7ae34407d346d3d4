#include "dxf/DxfZeichnung.h"

#include <gtest/gtest.h>

namespace trv::dxf {

namespace {

constexpr Coord3D z_achse{0, 0, 1};

} // namespace

TEST(DxfZeichnung, EntitiesAreFiledByClassInOrderOfFirstUse) {
    DXF_Object z;
    DXF_Layer& l = z.find_or_add_layer("0", true);
    l.add_entity(std::make_unique<Line_>(Coord3D{}, Coord3D{1, 0, 0}, 7));
    l.add_entity(std::make_unique<Text_>(z_achse, Coord3D{}, Coord3D{}, 3, 0, 0, 7, "a"));
    l.add_entity(std::make_unique<Line_>(Coord3D{}, Coord3D{2, 0, 0}, 7));
    ASSERT_EQ(l.entity_list_count(), 2u);
    EXPECT_EQ(l.list_names(), (std::vector<std::string>{"Line_", "Text_"}));
    EXPECT_EQ(l.entity_lists()[0]->entities().size(), 2u);
    EXPECT_EQ(l.entity_lists()[0]->layer(), &l);
    EXPECT_EQ(&z.find_or_add_layer("0", true), &l);
    EXPECT_THROW(z.find_or_add_layer("0", false), DXF_exception);
    EXPECT_EQ(z.drawing_name(), "Untitled");
}

TEST(DxfZeichnung, BlackEntityTakesTheLayerColour) {
    DXF_Object z("plan");
    DXF_Layer& l = z.find_or_add_layer("A", false);
    l.set_layer_colour(3);
    auto& schwarz = l.add_entity(std::make_unique<Line_>(Coord3D{}, Coord3D{1, 0, 0}, 0));
    auto& rot = l.add_entity(std::make_unique<Line_>(Coord3D{}, Coord3D{1, 0, 0}, 1));
    EXPECT_EQ(schwarz.colour_number(), 3);
    EXPECT_EQ(rot.colour_number(), 1);
}

TEST(DxfZeichnung, TreeListsDrawingLayersAndLists) {
    DXF_Object z("plan");
    z.find_or_add_layer("0", true).add_entity(std::make_unique<Circle_>(z_achse, Coord3D{}, 1, 7));
    std::vector<Tree_Line> baum;
    z.fill_tree(baum);
    ASSERT_EQ(baum.size(), 3u);
    EXPECT_EQ(baum[0].text, "plan");
    EXPECT_EQ(baum[1].text, "  0");
    EXPECT_EQ(baum[2].text, "    Circle_");
    EXPECT_EQ(baum[2].list, z.layers()[0]->entity_lists()[0].get());
}

} // namespace trv::dxf
