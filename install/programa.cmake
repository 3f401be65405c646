# Run by `cmake --install`: the program folder's files besides the programs.
# ZELMO_ORIGEM_INSTALACAO is the generator's untouched copy of a program
# folder; ZELMO_MENU_DIR_CACHE the build's choice for the menu's entries.

set(origem "${ZELMO_ORIGEM_INSTALACAO}")
set(destino "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
# The help page's own folder; every other folder of a program folder is a
# subject.
set(pasta_ajuda "Ajuda_arquivos")

# Whether `pasta` holds an entry spelt like `nome` in any case: the programs
# find their files so, and a file of another spelling is the teacher's.
function(zelmo_existe_sem_caixa resultado pasta nome)
  file(GLOB entradas LIST_DIRECTORIES true RELATIVE "${pasta}" "${pasta}/*" "${pasta}/.*")
  string(TOLOWER "${nome}" procurado)
  foreach(e IN LISTS entradas)
    string(TOLOWER "${e}" e)
    if(e STREQUAL procurado)
      set(${resultado} TRUE PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${resultado} FALSE PARENT_SCOPE)
endfunction()

# Copies `nome` (a file or a folder) from the origin only where the program
# folder lacks it.  It is copied under a passing name and renamed in one
# step, so a kill leaves it whole or absent.
function(zelmo_instala_se_ausente nome)
  zelmo_existe_sem_caixa(existe "${destino}" "${nome}")
  if(existe)
    message(STATUS "Kept: ${destino}/${nome}")
    return()
  endif()
  set(passagem "${destino}/.instalando-${nome}")
  file(REMOVE_RECURSE "${passagem}")
  file(MAKE_DIRECTORY "${passagem}")
  file(COPY "${origem}/${nome}" DESTINATION "${passagem}")
  file(RENAME "${passagem}/${nome}" "${destino}/${nome}" RESULT falha)
  file(REMOVE_RECURSE "${passagem}")
  if(falha)
    message(FATAL_ERROR "Could not write ${destino}/${nome}: ${falha}")
  endif()
  message(STATUS "Installing: ${destino}/${nome}")
endfunction()

# What a killed install left on its way.
file(GLOB passagens LIST_DIRECTORIES true "${destino}/.instalando-*")
if(passagens)
  file(REMOVE_RECURSE ${passagens})
endif()

file(GLOB arquivos LIST_DIRECTORIES false RELATIVE "${origem}" "${origem}/*")
file(GLOB entradas LIST_DIRECTORIES true RELATIVE "${origem}" "${origem}/*")
set(assuntos ${entradas})
list(REMOVE_ITEM assuntos ${arquivos} "${pasta_ajuda}")
list(REMOVE_ITEM arquivos "Zelmo2.cfg")

# Shared: replaced at every install.
foreach(a IN LISTS arquivos)
  file(INSTALL "${origem}/${a}" DESTINATION "${CMAKE_INSTALL_PREFIX}")
endforeach()
file(INSTALL "${origem}/${pasta_ajuda}" DESTINATION "${CMAKE_INSTALL_PREFIX}")

# The teacher's: written once.
zelmo_instala_se_ausente("Zelmo2.cfg")
foreach(a IN LISTS assuntos)
  zelmo_instala_se_ausente("${a}")
endforeach()

include("${CMAKE_CURRENT_LIST_DIR}/menu.cmake")
