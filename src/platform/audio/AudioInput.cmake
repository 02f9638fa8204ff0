# Sound capture: the IAudioInput interface, an input fed from a sound file and
# the conversions both use (Qt Core and libsndfile only), and the microphone
# through Qt Multimedia in a target of its own, so that code which only needs
# the interface does not pull in Qt Multimedia.
pkg_check_modules(SNDFILE REQUIRED sndfile)

add_library(orvanta_audio_in STATIC
  ${CMAKE_CURRENT_LIST_DIR}/IAudioInput.h
  ${CMAKE_CURRENT_LIST_DIR}/AudioInputPcm.h ${CMAKE_CURRENT_LIST_DIR}/AudioInputPcm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileAudioInput.h ${CMAKE_CURRENT_LIST_DIR}/FileAudioInput.cpp
)
target_include_directories(orvanta_audio_in PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_include_directories(orvanta_audio_in PRIVATE ${SNDFILE_INCLUDE_DIRS})
target_link_libraries(orvanta_audio_in PUBLIC orvanta_platform PRIVATE ${SNDFILE_LIBRARIES})

if(TARGET Qt6::Multimedia)
  add_library(orvanta_audio_in_qt STATIC
    ${CMAKE_CURRENT_LIST_DIR}/QtAudioInput.h ${CMAKE_CURRENT_LIST_DIR}/QtAudioInput.cpp
  )
  target_link_libraries(orvanta_audio_in_qt PUBLIC orvanta_audio_in Qt6::Multimedia)
endif()

orvanta_add_test(NAME audio_in_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/AudioInputTest.cpp
  LIBS orvanta_audio_in)
