# The layers of the project, checked when it is configured: a file may
# include a header only of a library its own target is, or links (directly
# or through others), so that a lower layer never includes a higher one and
# no folder includes a sibling it does not link; and the headers under a
# folder's interno/ are that folder's own (and its tests', under
# tests/<the same folder>/).
#
# Which library a header belongs to is read from the targets' sources: the
# library that builds the .cpp of the same name, or else the libraries built
# from the header's folder (for interno/, the folder above it).  A header with
# no .cpp of its name is read as part of every target that includes it.  A new folder
# with a library of its own is covered without a word here.

function(_capas_alvos dir out)
  get_property(alvos DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subs})
    _capas_alvos(${sub} mais)
    list(APPEND alvos ${mais})
  endforeach()
  set(${out} ${alvos} PARENT_SCOPE)
endfunction()

# The project's targets that a target links, directly or through others (a
# module it loads at run time, made its dependency, counts as linked).
function(_capas_ligados alvo out)
  set(vistos)
  set(fila ${alvo})
  while(fila)
    list(POP_FRONT fila atual)
    set(diretos)
    foreach(prop LINK_LIBRARIES INTERFACE_LINK_LIBRARIES MANUALLY_ADDED_DEPENDENCIES)
      get_target_property(libs ${atual} ${prop})
      if(libs)
        list(APPEND diretos ${libs})
      endif()
    endforeach()
    foreach(lib ${diretos})
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
      if(lib MATCHES "\\$<" OR NOT lib IN_LIST _capas_projeto OR lib IN_LIST vistos)
        continue()
      endif()
      list(APPEND vistos ${lib})
      list(APPEND fila ${lib})
    endforeach()
  endwhile()
  set(${out} ${vistos} PARENT_SCOPE)
endfunction()

# The libraries a header (absolute path) belongs to; empty for a header of
# no target's folder.
function(_capas_dono cabecalho out)
  get_filename_component(dir ${cabecalho} DIRECTORY)
  get_filename_component(nome ${cabecalho} NAME_WLE)
  set(fonte ${dir}/${nome}.cpp)
  if(DEFINED _capas_fonte_${fonte})
    set(${out} ${_capas_fonte_${fonte}} PARENT_SCOPE)
    return()
  endif()
  string(REGEX REPLACE "/interno(/.*)?$" "" dir ${dir})
  if(DEFINED _capas_pasta_${dir})
    set(${out} ${_capas_pasta_${dir}} PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

function(capas_verifica)
  _capas_alvos(${PROJECT_SOURCE_DIR} todos)
  set(_capas_projeto)
  foreach(alvo ${todos})
    get_target_property(tipo ${alvo} TYPE)
    if(tipo MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      list(APPEND _capas_projeto ${alvo})
    endif()
  endforeach()

  # Every source of the project, and every folder, to its targets.
  foreach(alvo ${_capas_projeto})
    get_target_property(fontes ${alvo} SOURCES)
    get_target_property(base ${alvo} SOURCE_DIR)
    get_target_property(tipo ${alvo} TYPE)
    set(_capas_arquivos_${alvo})
    foreach(f ${fontes})
      if(f MATCHES "\\$<")
        continue()
      endif()
      get_filename_component(f ${f} ABSOLUTE BASE_DIR ${base})
      if(NOT f MATCHES "\\.(cpp|cc|cxx|c|h|hpp)$" OR NOT f MATCHES "^${PROJECT_SOURCE_DIR}/")
        continue()
      endif()
      list(APPEND _capas_arquivos_${alvo} ${f})
      if(tipo STREQUAL "EXECUTABLE")
        continue()  # a program's headers are nobody's layer
      endif()
      list(APPEND _capas_fonte_${f} ${alvo})
      get_filename_component(dir ${f} DIRECTORY)
      if(NOT alvo IN_LIST _capas_pasta_${dir})
        list(APPEND _capas_pasta_${dir} ${alvo})
      endif()
    endforeach()
  endforeach()

  foreach(alvo ${_capas_projeto})
    _capas_ligados(${alvo} _capas_ligados_${alvo})
  endforeach()

  foreach(alvo ${_capas_projeto})
    set(ligados ${_capas_ligados_${alvo}})
    # Where its includes are looked for.
    set(caminhos ${PROJECT_SOURCE_DIR})
    foreach(t ${alvo} ${ligados})
      foreach(prop INCLUDE_DIRECTORIES INTERFACE_INCLUDE_DIRECTORIES)
        get_target_property(dirs ${t} ${prop})
        foreach(d ${dirs})
          if(d AND NOT d MATCHES "\\$<")
            list(APPEND caminhos ${d})
          endif()
        endforeach()
      endforeach()
    endforeach()
    list(REMOVE_DUPLICATES caminhos)

    # Its sources and their headers; a header with no source of its name is
    # read as part of each target that includes it.
    set(arquivos ${_capas_arquivos_${alvo}})
    foreach(f ${_capas_arquivos_${alvo}})
      string(REGEX REPLACE "\\.[^./]*$" ".h" h ${f})
      if(EXISTS ${h})
        list(APPEND arquivos ${h})
      endif()
    endforeach()
    list(REMOVE_DUPLICATES arquivos)
    set(fila ${arquivos})

    while(fila)
      list(POP_FRONT fila f)
      get_filename_component(dir ${f} DIRECTORY)
      file(STRINGS ${f} linhas REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
      foreach(linha ${linhas})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" incluido "${linha}")
        set(achado)
        foreach(d ${dir} ${caminhos})
          if(EXISTS ${d}/${incluido} AND NOT IS_DIRECTORY ${d}/${incluido})
            get_filename_component(achado ${d}/${incluido} ABSOLUTE)
            break()
          endif()
        endforeach()
        if(NOT achado OR NOT achado MATCHES "^${PROJECT_SOURCE_DIR}/")
          continue()
        endif()
        file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${f})
        get_filename_component(pasta ${achado} DIRECTORY)
        get_filename_component(nome ${achado} NAME_WLE)
        if(NOT DEFINED _capas_fonte_${pasta}/${nome}.cpp AND NOT achado IN_LIST arquivos)
          list(APPEND arquivos ${achado})
          list(APPEND fila ${achado})
        endif()

        # Another folder's internals.
        if(achado MATCHES "^(.*)/interno/")
          set(sala ${CMAKE_MATCH_1})
          file(RELATIVE_PATH sala_rel ${PROJECT_SOURCE_DIR} ${sala})
          if(NOT f MATCHES "^${sala}/" AND NOT f MATCHES "^${PROJECT_SOURCE_DIR}/tests/${sala_rel}/")
            message(FATAL_ERROR "Layering: ${rel} includes \"${incluido}\", an internal header of "
                    "${sala_rel}/: only ${sala_rel}/ and its tests under tests/${sala_rel}/ may include "
                    "the headers under ${sala_rel}/interno/.")
          endif()
        endif()

        # A layer it does not link.
        _capas_dono(${achado} donos)
        if(NOT donos OR alvo IN_LIST donos)
          continue()
        endif()
        set(ok FALSE)
        foreach(dono ${donos})
          if(dono IN_LIST ligados)
            set(ok TRUE)
          endif()
        endforeach()
        if(NOT ok)
          list(JOIN donos " or " nomes)
          message(FATAL_ERROR "Layering: ${rel} (of ${alvo}) includes \"${incluido}\", a header of "
                  "${nomes}, which ${alvo} does not link: a library may include only the libraries "
                  "it links, never a higher layer or a sibling.")
        endif()
      endforeach()
    endwhile()
  endforeach()
endfunction()
