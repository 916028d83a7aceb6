# Widgets: buttons, check boxes, radio buttons and their groups, the edit box.

add_library(mw_widgets STATIC
  engine/CWidget.cpp
  engine/CWidgetContext.cpp
  engine/CAppWidgetContext.cpp
  engine/CButton.cpp
  engine/CCheckBox.cpp
  engine/CRadioButton.cpp
  engine/CWidgetGroup.cpp
  engine/CEditBox.cpp
)
target_link_libraries(mw_widgets PUBLIC OpenGL::GL)
foreach(dep mw_frame mw_platform mw_files mw_gfx mw_sound)
  if(TARGET ${dep})
    target_link_libraries(mw_widgets PUBLIC ${dep})
  endif()
endforeach()

# The tests need the screen base as the widgets' owner.
if(TARGET mw_frame)
  add_executable(mw_widgets_tests
    tests/widgets/CWidgetTestKit.cpp
    tests/widgets/CButtonTest.cpp
    tests/widgets/CCheckBoxTest.cpp
    tests/widgets/CRadioButtonTest.cpp
    tests/widgets/CEditBoxTest.cpp
    tests/widgets/CEditBoxNameSafetyTest.cpp
    tests/widgets/CWidgetPlacementTest.cpp
    tests/widgets/CScreenChildWalkTest.cpp
  )
  target_link_libraries(mw_widgets_tests PRIVATE mw_widgets GTest::gtest GTest::gtest_main)
  gtest_discover_tests(mw_widgets_tests DISCOVERY_MODE PRE_TEST)
endif()

# Drawing needs a GL context: run under a virtual display when there is one.
if(TARGET mw_platform)
  add_executable(mw_widgets_draw_tests
    tests/widgets/CWidgetTestKit.cpp
    tests/widgets/CWidgetDrawTest.cpp
  )
  target_link_libraries(mw_widgets_draw_tests PRIVATE mw_widgets mw_platform GTest::gtest
                        GTest::gtest_main)
  add_test(NAME widgets_draw COMMAND bash ${CMAKE_SOURCE_DIR}/tests/e2e/under_display.sh
    $<TARGET_FILE:mw_widgets_draw_tests>)
  set_tests_properties(widgets_draw PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)
endif()

# One of each widget in a real window, driven with the mouse and keyboard.
if(TARGET mw_frame)
  add_executable(mw_widget_lab
    tests/widgets/lab/CWidgetLabScreen.cpp
    tests/widgets/lab/widget_lab_main.cpp
  )
  target_link_libraries(mw_widget_lab PRIVATE mw_widgets mw_frame)
  # A directory of its own: the test copies the program's directory.
  set_target_properties(mw_widget_lab PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/widget-lab)
  add_test(NAME e2e_widgets
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/widgets/lab/widget_lab.sh
            $<TARGET_FILE:mw_widget_lab> ${CMAKE_BINARY_DIR}/e2e-shots)
  set_tests_properties(e2e_widgets PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 60)
endif()
